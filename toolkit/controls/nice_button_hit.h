#pragma once
// Where a flat button with a caption answers the mouse: on its glyph and on its face, not in
// the margin left of the glyph nor above or below the face. Boxes hold their left and top edges
// and leave out their right and bottom ones.
#include "platform/ui/graphics/types.h"

namespace tk {

struct TNiceFaceGeometry {
    int Width = 0;
    int Height = 0;
    int FaceHeight = 0; // height of the skin's face picture
    int GlyphWidth = 0; // one glyph image, as the last paint drew it (0: no glyph)
    int GlyphHeight = 0;
    bool CaptionVisible = true;
};

// Whether a point of the client area is on the button's face or glyph.
bool NiceFaceContains(const TNiceFaceGeometry& g, ui::TPoint p);

} // namespace tk
