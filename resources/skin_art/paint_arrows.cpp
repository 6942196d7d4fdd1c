// The arrows of the navigation buttons: blue at rest, grey when disabled, red when hot.
#include "resources/skin_art/glyph_strip.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

const TStripLook kNavigation = {kBlue, kRed, dlFlat};

// Triangles pointing one way, count of them side by side, with a stop bar before or after.
enum TBar { barNone, barBefore, barAfter };

TPainter Arrows(TDirection d, int count, TBar bar, TStripLook look = kNavigation) {
    return [=](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, look, [=](TCanvas& c, const TRect& f, const TInk& ink) {
            int height = std::min(f.Height() - 2, 13) | 1; // odd, so the point is one pixel
            int tri = (height + 1) / 2;
            int barW = bar == barNone ? 0 : std::max(2, tri / 3);
            int total = count * tri + (count - 1) * -1 + (barW ? barW + 1 : 0);
            int x = f.Left + (f.Width() - total) / 2;
            int top = f.Top + (f.Height() - height) / 2;
            auto drawBar = [&] {
                StopBar(c, ui::Bounds(x, top, barW, height), dirRight, ink);
                x += barW + 1;
            };
            bool barFirst = (bar == barBefore);
            if (barW && barFirst)
                drawBar();
            for (int i = 0; i < count; ++i) {
                Triangle(c, ui::Bounds(x, top, tri, height), d, ink);
                x += tri - 1;
            }
            x += 1;
            if (barW && !barFirst)
                drawBar();
        });
    };
}

TPainter ShaftArrows(TDirection d) {
    return [=](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kNavigation, [=](TCanvas& c, const TRect& f, const TInk& ink) {
            ShaftArrow(c, Shrink(f, 1, 1), d, ink);
        });
    };
}

// The sort marks: a triangle beside three bars growing or shrinking.
TPainter SortMark(bool ascending) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Triangle(c, {1, 2, 10, h - 2}, ascending ? dirUp : dirDown, InkOf(kBlue));
        for (int i = 0; i < 4; ++i) {
            int len = ascending ? 3 + i * 2 : 9 - i * 2;
            Fill(c, ui::Bounds(11, 2 + i * 3, len, 2), kDarkShadow);
        }
    };
}

} // namespace

void AddArrowPainters(TPainters& p) {
    p["Precedent"] = Arrows(dirLeft, 1, barNone);
    p["Urmator"] = Arrows(dirRight, 1, barNone);
    p["nPrev"] = Arrows(dirLeft, 1, barNone);
    p["nNext"] = Arrows(dirRight, 1, barNone);
    p["nFirst"] = Arrows(dirLeft, 1, barBefore);
    p["nLast"] = Arrows(dirRight, 1, barAfter);
    p["PrevPag"] = Arrows(dirLeft, 2, barNone);
    p["NextPag"] = Arrows(dirRight, 2, barNone);
    p["FirstPag"] = Arrows(dirLeft, 2, barBefore);
    p["LastPag"] = Arrows(dirRight, 2, barAfter);
    p["UrmatorBlue"] = Arrows(dirRight, 2, barNone, {kBlue, Tint(kBlue, 0.35), dlFlat});
    p["SagRight"] = ShaftArrows(dirRight);
    p["SagLeft"] = ShaftArrows(dirLeft);
    p["SagUp"] = ShaftArrows(dirUp);
    p["SagDown"] = ShaftArrows(dirDown);
    p["crescator"] = SortMark(true);
    p["descrescator"] = SortMark(false);
}

} // namespace skinart
