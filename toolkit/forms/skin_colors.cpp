// Colour routines of the look: lighter and darker shades, a contrasting shade, and the swap of
// a glyph's background colour.
#include <algorithm>
#include <cmath>

#include "toolkit/forms/skin.h"

namespace tk {

namespace {

// A channel computed in real arithmetic, limited to a byte, then truncated.
int Channel(double value) {
    return int(std::fmin(std::fmax(value, 0.0), 255.0));
}

template <class Shade> ui::TColor ShadeChannels(ui::TColor color, Shade shade) {
    ui::TColorRef rgb = ui::ColorToRGB(color);
    return ui::TColor(ui::RGB(Channel(shade(ui::GetRValue(rgb))),
                              Channel(shade(ui::GetGValue(rgb))),
                              Channel(shade(ui::GetBValue(rgb)))));
}

} // namespace

ui::TColor LightenColor(ui::TColor color, double divisor) {
    if (ui::ColorToRGB(color) == 0xFFFFFF)
        return color;
    // c + (c + 255) / n, as the look has always computed it (not c + (255 - c) / n).
    return ShadeChannels(color, [divisor](int c) { return c + (c + 255) / divisor; });
}

ui::TColor DarkenColor(ui::TColor color, double divisor) {
    if (ui::ColorToRGB(color) == 0)
        return color;
    return ShadeChannels(color, [divisor](int c) { return c + (0 - c) / divisor; });
}

ui::TColor ContrastColor(ui::TColor color, double lightenDivisor, double darkenDivisor) {
    if (color < 0)
        return color;
    ui::TColorRef rgb = ui::ColorToRGB(color);
    double sum = ui::GetRValue(rgb) + ui::GetGValue(rgb) + ui::GetBValue(rgb);
    double divisor = sum <= 382.5 ? darkenDivisor : lightenDivisor;
    // A shade that cannot be computed leaves the colour as it is.
    if (divisor == 0 || std::isnan(divisor))
        return color;
    return sum <= 382.5 ? DarkenColor(color, divisor) : LightenColor(color, divisor);
}

void ReplaceBackground(ui::TBitmap& bitmap, ui::TColor color) {
    int width = bitmap.Width();
    int height = bitmap.Height();
    if (width <= 0 || height <= 0)
        return;
    ui::TColor background = bitmap.Canvas().Pixel(0, 0);
    ui::TBitmap replaced(width, height);
    ui::TCanvas& c = replaced.Canvas();
    ui::TRect all{0, 0, width, height};
    c.Brush().SetColor(color);
    c.FillRect(all);
    c.BrushCopy(all, bitmap, all, background);
    bitmap.Assign(replaced);
}

} // namespace tk
