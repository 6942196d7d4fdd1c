// The choice marks: the check box's words, the radio bullet, the group marks and the icons of
// the title bar.
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
    Word(c, {box.Left + 1, box.Top + 1, box.Right, box.Bottom}, word, color, 11);
}

// A radio bullet: a sunken white circle, with a dot when checked.
void Bullet(TCanvas& c, const TRect& f, bool checked) {
    Oval(c, f, {kWhite, kShadow});
    Line(c, f.Left + 3, f.Bottom - 2, f.Right - 3, f.Bottom - 2, kWhite);
    Line(c, f.Right - 2, f.Top + 3, f.Right - 2, f.Bottom - 3, kWhite);
    Oval(c, Shrink(f, 1, 1), {kWhite, kDarkShadow});
    Oval(c, {f.Left + 2, f.Top + 2, f.Right - 1, f.Bottom - 1}, {kWhite, kWhite});
    if (checked)
        Oval(c, Shrink(f, 3, 3), {kBlack, kBlack});
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
