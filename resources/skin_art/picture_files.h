#pragma once
// The file forms of a painted picture, as a stored form carries them: a 24-bit bitmap file, or a
// PNG file with an alpha channel in which one key colour is fully transparent.
#include <cstdint>
#include <vector>

#include "platform/ui/graphics/canvas.h"

namespace skinart {

std::vector<uint8_t> BitmapFile(ui::TCanvas& c, int w, int h);
std::vector<uint8_t> PngFile(ui::TCanvas& c, int w, int h, ui::TColor transparentKey);

} // namespace skinart
