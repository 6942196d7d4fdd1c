// The choice marks: the check box's words, the radio bullet, the group marks and the icons of
// the title bar.
#include <algorithm>
#include <cmath>

#include "resources/skin_art/glyph_strip.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

// A small sunken box holding a word, as the check box shows its state.
void WordBox(TCanvas& c, const TRect& f, const std::string& word, TColor color) {
    TRect box = Shrink(f, 1, 0);
    Fill(c, box, kWhite);
    Bevel(c, box, false);
    Line(c, box.Left + 1, box.Top + 1, box.Right - 1, box.Top + 1, kDarkShadow);
    Line(c, box.Left + 1, box.Top + 1, box.Left + 1, box.Bottom - 1, kDarkShadow);
    Word(c, {box.Left + 1, box.Top + 1, box.Right, box.Bottom}, word, color, 10);
}

// A radio bullet: a sunken white circle (shadow above and left, light below and right), with a
// black dot when checked.
void Bullet(TCanvas& c, const TRect& f, bool checked) {
    double cx = (f.Width() - 1) / 2.0, cy = (f.Height() - 1) / 2.0;
    double radius = std::min(cx, cy) + 0.4;
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x) {
            double dx = x - cx, dy = y - cy;
            double d = std::sqrt(dx * dx + dy * dy);
            bool upperLeft = dx + dy <= 0;
            TColor color;
            if (d > radius)
                continue;
            if (d > radius - 1)
                color = upperLeft ? kShadow : kWhite;
            else if (d > radius - 2)
                color = upperLeft ? kDarkShadow : Rgb(212, 208, 200);
            else if (checked && d < 1.8)
                color = kBlack;
            else
                color = kWhite;
            c.SetPixel(f.Left + x, f.Top + y, color);
        }
}

// The group marks: a small box, crossed for a marked group.
TPainter GroupMark(bool crossed) {
    return [=](TCanvas& c, int w, int h) {
        PaintStrip(c, w, h, kNavy, dlOutline, [=](TCanvas& c, const TRect& f, const TInk& ink) {
            TRect box = SquareIn(f, 2);
            Fill(c, box, kWhite);
            Frame(c, box, ink.Fill);
            if (crossed)
                Cross(c, Shrink(box, 2, 2), InkOf(kRed));
        });
    };
}

} // namespace

void AddChoicePainters(TPainters& p) {
    // Checked, unchecked, grayed.
    p["Check"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        int fw = w / 3;
        WordBox(c, ui::Bounds(0, 0, fw, h), "Da", kGreen);
        WordBox(c, ui::Bounds(fw, 0, fw, h), "Nu", kRed);
        WordBox(c, ui::Bounds(2 * fw, 0, fw, h), "?", kShadow);
    };
    // Unchecked, checked.
    p["Radio"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Bullet(c, ui::Bounds(0, 0, w / 2, h), false);
        Bullet(c, ui::Bounds(w / 2, 0, w / 2, h), true);
    };
    p["GrupX"] = GroupMark(true);
    p["Grup0"] = GroupMark(false);
    // An open folder with a page, and a single page.
    p["IconFace"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        int fw = w / 2;
        Page(c, {9, 2, 22, 19}, true);
        Folder(c, {2, 8, fw - 2, h - 3}, true);
        Page(c, {fw + 6, 2, fw + 22, h - 2}, true);
    };
    p["Pag"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Page(c, {1, 1, w - 1, h - 1}, true);
    };
}

} // namespace skinart
