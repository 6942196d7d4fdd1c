#pragma once
// A painter for a glyph strip showing one object of the icon kit, in one main colour.
#include "resources/skin_art/glyph_strip.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

TPainter IconStrip(TColor main, TIcon icon, int margin = 2);

} // namespace skinart
