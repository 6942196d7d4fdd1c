#pragma once
// Where a glyph button puts its glyph and its caption inside the face: the glyph on one side of
// the caption, both centred across the layout axis; Margin and Spacing of -1 share the free
// space (Margin -1 alone centres glyph and caption together).
#include <string>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/types.h"

namespace tk {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonPlacement {
    ui::TPoint GlyphPos;
    ui::TPoint TextPos;
};

// The placement in a client area of clientSize for a glyph and a caption of the given sizes.
TButtonPlacement PlaceGlyphAndText(ui::TSize clientSize, ui::TSize glyphSize, ui::TSize textSize,
                                   TButtonLayout layout, int margin, int spacing);

// The caption as the button lays it out: every "#" starts a new line (a caption of exactly "#"
// stays one), measured in the canvas's font within the given width. A caption holding "#"
// sounds the default beep, as the button always did when laying such a caption out.
ui::TSize MeasureButtonCaption(ui::TCanvas& canvas, const std::string& caption, int width);

struct TButtonLayoutResult {
    ui::TPoint GlyphPos; // in the coordinates of the canvas
    ui::TRect TextBounds;
};

// The layout inside the rectangle client: the caption is measured, glyph and text are placed
// and moved by client's top-left corner.
TButtonLayoutResult CalcButtonLayout(ui::TCanvas& canvas, const ui::TRect& client,
                                     const std::string& caption, TButtonLayout layout, int margin,
                                     int spacing, ui::TSize glyphSize);

} // namespace tk
