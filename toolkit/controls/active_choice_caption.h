#pragma once
// The caption of the owner-drawn check box and radio button: its accelerator letter in red,
// underlined and the whole caption red while the control has the focus, grey when disabled.
#include <string>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"

namespace tk {

void DrawChoiceCaption(ui::TCanvas& canvas, const ui::TFont& font, const std::string& caption,
                       const ui::TRect& rect, bool enabled, bool focused, unsigned format);

// The image of one frame of a glyph strip, with the strip's top-left colour left out.
void DrawStripFrame(ui::TCanvas& canvas, ui::TBitmap& strip, int frame, int frameWidth, int x,
                    int y);

} // namespace tk
