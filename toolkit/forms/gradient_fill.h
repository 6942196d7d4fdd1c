#pragma once
// Gradient bands of the title bars: one pen line per column (or row), from the start colour
// towards the end colour. The first line has exactly the start colour; the last one stops one
// step short of the end colour. Equal colours give a solid fill.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/types.h"

namespace tk {

// Left to right.
void FillGradientH(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor startColor,
                   ui::TColor endColor);
// Top to bottom.
void FillGradientV(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor startColor,
                   ui::TColor endColor);

// The colour of line i of a gradient of the given number of lines (system colours resolved).
ui::TColorRef GradientLineColor(ui::TColor startColor, ui::TColor endColor, int lines, int i);

} // namespace tk
