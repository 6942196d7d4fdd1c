#pragma once
// The three-dimensional face of a glyph button, in the new style (edges of the platform's edge
// call) or the old one (a framed rectangle with a bevel), up or pushed down.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/types.h"

namespace tk {

enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// Whether a button of this style gets the new look; the system has new-style controls.
bool IsNewStyle(TButtonStyle style);

// Paints the face over client and returns the inner rectangle (the face less its border),
// moved by (1, 1) when down. The canvas's brush is left in faceColor.
ui::TRect DrawButtonFace(ui::TCanvas& canvas, const ui::TRect& client, int bevelWidth,
                         TButtonStyle style, bool isRounded, bool isDown, bool isFocused,
                         ui::TColor faceColor);

} // namespace tk
