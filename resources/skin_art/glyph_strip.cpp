#include "resources/skin_art/glyph_strip.h"

#include <vector>

namespace skinart {

namespace {

struct TFramePixels {
    int W = 0;
    int H = 0;
    std::vector<TColor> Colors;
    TColor At(int x, int y, TColor outside) const {
        return x < 0 || y < 0 || x >= W || y >= H ? outside : Colors[size_t(y * W + x)];
    }
};

TFramePixels Read(TCanvas& c, const TRect& r) {
    TFramePixels p{r.Width(), r.Height(), {}};
    p.Colors.reserve(size_t(p.W * p.H));
    for (int y = 0; y < p.H; ++y)
        for (int x = 0; x < p.W; ++x)
            p.Colors.push_back(c.Pixel(r.Left + x, r.Top + y));
    return p;
}

} // namespace

void MakeDisabled(TCanvas& c, const TRect& frame, TColor background, TDisabledLook look) {
    TFramePixels p = Read(c, frame);
    auto shape = [&](int x, int y) { return p.At(x, y, background) != background; };
    auto edge = [&](int x, int y) {
        return shape(x, y) &&
               (!shape(x - 1, y) || !shape(x + 1, y) || !shape(x, y - 1) || !shape(x, y + 1));
    };
    std::vector<TColor> out(p.Colors.size(), background);
    if (look == dlOutline) {
        for (int y = 0; y < p.H; ++y)
            for (int x = 0; x < p.W; ++x)
                if (edge(x, y))
                    out[size_t(y * p.W + x)] = kDisabledGrey;
    } else if (look == dlWashed) {
        for (size_t i = 0; i < p.Colors.size(); ++i)
            if (p.Colors[i] != background) {
                int l = Luma(p.Colors[i]);
                out[i] = Mix(Rgb(l, l, l), Rgb(216, 216, 216), 0.55);
            }
    } else if (look == dlFlat) {
        for (int y = 0; y < p.H; ++y)
            for (int x = 0; x < p.W; ++x)
                if (shape(x, y))
                    out[size_t(y * p.W + x)] = edge(x, y) ? kDisabledGrey : Rgb(176, 176, 176);
    }
    for (int y = 0; y < p.H; ++y)
        for (int x = 0; x < p.W; ++x)
            c.SetPixel(frame.Left + x, frame.Top + y, out[size_t(y * p.W + x)]);
}

void PaintStrip(TCanvas& c, int w, int h, const TStripLook& look, const TIcon& icon) {
    Fill(c, {0, 0, w, h}, look.Background);
    int fw = w / 3;
    const TColor mains[3] = {look.Rest, look.Rest, look.Hot};
    for (int i = 0; i < 3; ++i) {
        TRect frame = ui::Bounds(i * fw, 0, fw, h);
        icon(c, frame, InkOf(mains[i]));
        if (i == 1)
            MakeDisabled(c, frame, look.Background, look.Disabled);
    }
}

void PaintStrip(TCanvas& c, int w, int h, TColor main, TDisabledLook disabled, const TIcon& icon) {
    PaintStrip(c, w, h, TStripLook{main, main, disabled}, icon);
}

} // namespace skinart
