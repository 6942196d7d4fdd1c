// The signs of the answer buttons: ticks, crosses, question marks and the coloured pluses.
#include "resources/skin_art/glyph_strip.h"
#include "resources/skin_art/icon_kit.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

// A plus or minus of the small add and remove buttons: a square sign in the frame's middle.
TPainter SmallSign(TColor color, bool plus) {
    return [=](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, color, dlOutline, [=](TCanvas& c, const TRect& f, const TInk& ink) {
            TRect box = SquareIn(f, 1);
            if (plus)
                PlusSign(c, box, ink);
            else
                MinusSign(c, box, ink);
        });
    };
}

} // namespace

void AddSignPainters(TPainters& p) {
    p["OK"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kGreen, dlOutline, [](TCanvas& c, const TRect& f, const TInk& ink) {
            Tick(c, SquareIn(f, 3), ink);
        });
    };
    p["Nu"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kRed, dlOutline, [](TCanvas& c, const TRect& f, const TInk& ink) {
            Cross(c, SquareIn(f, 4), ink);
        });
    };
    p["Cancel"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kRed, dlWashed, [](TCanvas& c, const TRect& f, const TInk& ink) {
            TRect disc = SquareIn(f, 1);
            Oval(c, disc, ink);
            Cross(c, Shrink(disc, disc.Width() / 4, disc.Height() / 4), {kWhite, kWhite});
        });
    };
    p["Help"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kBlue, dlOutline, [](TCanvas& c, const TRect& f, const TInk& ink) {
            QuestionMark(c, Shrink(f, 3, 5), ink);
        });
    };
    p["All"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kGreen, dlOutline, [](TCanvas& c, const TRect& f, const TInk& ink) {
            TRect box = SquareIn(f, 3);
            Tick(c, ui::OffsetRect(Shrink(box, 3, 3), -3, -4), ink);
            Tick(c, ui::OffsetRect(Shrink(box, 3, 3), 3, 4), ink);
        });
    };
    p["Retry"] = [](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kGreen, dlOutline, [](TCanvas& c, const TRect& f, const TInk& ink) {
            RingArrow(c, SquareIn(f, 2), 120, -160, 0.16, true, ink);
        });
    };
    p["Permis"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Tick(c, {0, 0, w, h}, InkOf(kGreen));
    };
    p["Interzis"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Oval(c, {0, 0, w, h}, {kRed, Shade(kRed, 0.4)});
        Oval(c, {2, 2, w - 2, h - 2}, {kWhite, kWhite});
        Line(c, 2, h - 3, w - 2, 1, kRed, 2);
    };
    p["Plus"] = SmallSign(kGreen, true);
    p["PlusAdd"] = SmallSign(kGreen, true);
    p["MinusDel"] = SmallSign(kRed, false);
    p["PlusBlue"] = SmallSign(kBlue, true);
    p["PlusPorto"] = SmallSign(Rgb(150, 30, 60), true);
    p["PlusPeach"] = SmallSign(Rgb(250, 160, 110), true);
    p["PlusSnorkel"] = SmallSign(Rgb(20, 100, 140), true);
}

} // namespace skinart
