#pragma once
// Colours of the artwork, written as red, green and blue, and the blends the drawings use.
#include "platform/ui/graphics/types.h"

namespace skinart {

using ui::TColor;

constexpr TColor Rgb(int r, int g, int b) {
    return TColor(ui::RGB(r, g, b));
}
constexpr int Red(TColor c) {
    return c & 0xFF;
}
constexpr int Green(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int Blue(TColor c) {
    return (c >> 16) & 0xFF;
}

// a at t = 0, b at t = 1 (t in 0..1), each channel rounded.
TColor Mix(TColor a, TColor b, double t);
// Towards white or black by the fraction t.
TColor Tint(TColor c, double t);
TColor Shade(TColor c, double t);
// Perceived brightness, 0..255.
int Luma(TColor c);

// The background of most glyphs: the controls replace it (it is the top-left pixel).
constexpr TColor kMagenta = Rgb(255, 0, 255);
constexpr TColor kWhite = Rgb(255, 255, 255);
constexpr TColor kBlack = Rgb(0, 0, 0);
constexpr TColor kFace = Rgb(192, 192, 192);
constexpr TColor kShadow = Rgb(128, 128, 128);
constexpr TColor kDarkShadow = Rgb(64, 64, 64);
constexpr TColor kLightGrey = Rgb(224, 224, 224);
// The accents of the glyph strips: a state each (rest, hot) and the grey of the disabled frame.
constexpr TColor kGreen = Rgb(0, 150, 40);
constexpr TColor kRed = Rgb(210, 20, 20);
constexpr TColor kBlue = Rgb(20, 70, 200);
constexpr TColor kNavy = Rgb(10, 36, 106);
constexpr TColor kGold = Rgb(230, 170, 20);
constexpr TColor kDisabledGrey = Rgb(128, 128, 128);

} // namespace skinart
