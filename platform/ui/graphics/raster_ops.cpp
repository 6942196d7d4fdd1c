// Raster operations from their truth tables.
#include "platform/ui/graphics/raster_ops.h"

namespace ui::raster {

int Rop2OfPenMode(TPenMode mode) {
    static constexpr int kCodes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    int index = int(mode);
    return index >= 0 && index < 16 ? kCodes[index] : R2_COPYPEN;
}

uint32_t ApplyRop2(int rop2, uint32_t p, uint32_t d) {
    // Truth table bit i: pen bit from 0b1100, destination bit from 0b1010.
    unsigned table = unsigned(rop2 - 1) & 0xF;
    uint32_t out = 0;
    for (int i = 0; i < 4; ++i) {
        if (!(table & (1u << i)))
            continue;
        uint32_t pp = (0xC >> i) & 1 ? p : ~p;
        uint32_t dd = (0xA >> i) & 1 ? d : ~d;
        out |= pp & dd;
    }
    return out & 0xFFFFFF;
}

uint32_t ApplyRop3(TCopyMode rop, uint32_t p, uint32_t s, uint32_t d) {
    // Truth table bit i: pattern bit from 0xF0, source from 0xCC, destination from 0xAA.
    unsigned table = (rop >> 16) & 0xFF;
    switch (table) {
    case 0xCC:
        return s & 0xFFFFFF;
    case 0xF0:
        return p & 0xFFFFFF;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    uint32_t out = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(table & (1u << i)))
            continue;
        uint32_t pp = (0xF0 >> i) & 1 ? p : ~p;
        uint32_t ss = (0xCC >> i) & 1 ? s : ~s;
        uint32_t dd = (0xAA >> i) & 1 ? d : ~d;
        out |= pp & ss & dd;
    }
    return out & 0xFFFFFF;
}

bool Rop3UsesSource(TCopyMode rop) {
    unsigned t = (rop >> 16) & 0xFF;
    // The source matters when flipping it changes some entry: compare the table with itself
    // shifted by the source's bit distance (2).
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool Rop3UsesPattern(TCopyMode rop) {
    unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

} // namespace ui::raster
