#pragma once
// The platform's raster operations on $00BBGGRR pixels: binary ones (a pen or brush against the
// destination) and ternary ones (pattern, source and destination), applied bit by bit from their
// truth tables, so every code works and no operation is approximated.
#include <cstdint>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/pen_brush.h"

namespace ui::raster {

// The binary raster code (R2_BLACK = 1 ... R2_WHITE = 16) of a pen mode.
int Rop2OfPenMode(TPenMode mode);
constexpr int R2_COPYPEN = 13;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;

// The result of a binary raster code for pen p over destination d (24-bit values).
uint32_t ApplyRop2(int rop2, uint32_t p, uint32_t d);
// The result of a ternary raster code (its index byte is bits 16..23) for pattern p, source s,
// destination d.
uint32_t ApplyRop3(TCopyMode rop, uint32_t p, uint32_t s, uint32_t d);
// Whether a ternary code reads the source, the pattern, the destination.
bool Rop3UsesSource(TCopyMode rop);
bool Rop3UsesPattern(TCopyMode rop);

} // namespace ui::raster
