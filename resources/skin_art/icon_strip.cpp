#include "resources/skin_art/icon_strip.h"

namespace skinart {

TPainter IconStrip(TColor main, TIcon icon, int margin) {
    return [=](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, main, dlWashed, [=](TCanvas& c, const TRect& f, const TInk& ink) {
            icon(c, SquareIn(f, margin), ink);
        });
    };
}

} // namespace skinart
