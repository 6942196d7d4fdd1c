#include "resources/skin_art/art_color.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {
int Channel(int a, int b, double t) {
    return std::clamp(int(std::lround(a + (b - a) * t)), 0, 255);
}
} // namespace

TColor Mix(TColor a, TColor b, double t) {
    return Rgb(Channel(Red(a), Red(b), t), Channel(Green(a), Green(b), t),
               Channel(Blue(a), Blue(b), t));
}

TColor Tint(TColor c, double t) {
    return Mix(c, kWhite, t);
}

TColor Shade(TColor c, double t) {
    return Mix(c, kBlack, t);
}

int Luma(TColor c) {
    return (Red(c) * 299 + Green(c) * 587 + Blue(c) * 114) / 1000;
}

} // namespace skinart
