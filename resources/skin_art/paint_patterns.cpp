// Small patterns and slices: the screw, the hatch and line patterns, the toolbar grips, the
// paper slices, the title bar's slice and the colour swatch strip.
#include "resources/skin_art/art_kit.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

// A ruled paper slice: white with blue lines, and a red margin line on the left edge's slice.
TPainter Paper(bool margin) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, Rgb(255, 255, 250));
        for (int y = 11; y < h; y += 12)
            Line(c, 0, y, w, y, Rgb(170, 200, 235));
        if (margin) {
            Line(c, w - 5, 0, w - 5, h, Rgb(230, 120, 120));
            Line(c, w - 4, 0, w - 4, h, Rgb(245, 180, 180));
            for (int y = 17; y < h; y += 24) {
                Oval(c, {6, y, 13, y + 7}, {Rgb(190, 190, 190), Rgb(130, 130, 130)});
                Pixel(c, 8, y + 2, kWhite);
            }
        }
    };
}

// A grip of raised dots along a toolbar's edge.
TPainter Grip(bool vertical) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kFace);
        int length = vertical ? h : w;
        for (int i = 2; i + 2 <= length - 1; i += 3)
            for (int j : {2, 5}) {
                int x = vertical ? j : i, y = vertical ? i : j;
                Pixel(c, x, y, kWhite);
                Pixel(c, x + 1, y + 1, kShadow);
            }
    };
}

} // namespace

void AddPatternPainters(TPainters& p) {
    p["Surub"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Oval(c, {0, 0, w, h}, {Rgb(200, 200, 205), Rgb(90, 90, 100)});
        Pixel(c, 2, 2, kWhite);
        Line(c, 2, h - 3, w - 2, 1, Rgb(70, 70, 80));
    };
    p["Linii"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kWhite);
        for (int y = 1; y < h; y += 2)
            for (int x = (y / 2) % 2; x < w; x += 2)
                Pixel(c, x, y, Rgb(160, 160, 160));
    };
    p["HatchB"] = [](TCanvas& c, int w, int h) {
        // A diagonal hatch that tiles without seams.
        Fill(c, {0, 0, w, h}, kFace);
        for (int i = 0; i < w; ++i) {
            Pixel(c, i, h - 1 - i, kShadow);
            Pixel(c, i, (2 * h - i) % h, kWhite);
        }
    };
    p["ToolbVert"] = Grip(true);
    p["ToolbOriz"] = Grip(false);
    p["Hartie"] = Paper(true);
    p["Mijloc"] = Paper(false);
    p["MainTitleBarSliceE"] = [](TCanvas& c, int w, int h) {
        GradientV(c, {0, 0, w, h / 2}, Rgb(70, 110, 190), Rgb(20, 60, 150));
        GradientV(c, {0, h / 2, w, h}, Rgb(10, 45, 130), Rgb(30, 80, 170));
        Line(c, 0, 0, w, 0, Rgb(150, 180, 230));
        Line(c, 0, h - 1, w, h - 1, Rgb(10, 30, 80));
    };
    p["PalmaDeMajorca"] = [](TCanvas& c, int w, int h) {
        const TColor swatches[] = {Rgb(250, 230, 180), Rgb(240, 190, 110), Rgb(220, 120, 60),
                                   Rgb(60, 150, 190),  Rgb(30, 90, 150),   Rgb(90, 150, 70)};
        int n = int(std::size(swatches));
        for (int i = 0; i < n; ++i) {
            TRect r = {i * w / n, 0, (i + 1) * w / n, h};
            Fill(c, r, swatches[i]);
            Frame(c, r, Shade(swatches[i], 0.4));
        }
    };
}

} // namespace skinart
