// The glyphs of the accounting buttons: money, stock, balance, entries and exits.
#include "resources/skin_art/icon_kit.h"
#include "resources/skin_art/icon_strip.h"

namespace skinart {

namespace {

// Goods moving into or out of a tray: the arrow points down for entries, up for exits.
TIcon Movement(bool in) {
    return [=](TCanvas& c, const TRect& box, const TInk& ink) {
        Tray(c, box, InkOf(Rgb(150, 150, 160)));
        int w = box.Width() / 2;
        TRect arrow = ui::Bounds(box.Left + box.Width() / 4, box.Top, w, box.Height() * 2 / 3);
        ShaftArrow(c, arrow, in ? dirDown : dirUp, ink);
    };
}

} // namespace

void AddBusinessPainters(TPainters& p) {
    p["Buget"] = IconStrip(kGold, Coins, 0);
    p["BBani"] = IconStrip(Rgb(60, 150, 80), Banknote);
    p["Stoc"] = IconStrip(Rgb(200, 150, 80), Crates);
    p["Sold"] = IconStrip(kGold, Scales);
    p["BSediu"] = IconStrip(Rgb(150, 160, 190), Building);
    p["BIntr"] = IconStrip(kGreen, Movement(true));
    p["BIes"] = IconStrip(kRed, Movement(false));
    p["Talven"] = IconStrip(kNavy, [](TCanvas& c, const TRect& box, const TInk& ink) {
        Rounded(c, box, 5, ink);
        Rounded(c, Shrink(box, 2, 2), 4, {Tint(ink.Fill, 0.15), Tint(ink.Fill, 0.5)});
        Word(c, box, "T", kWhite, box.Height() * 3 / 4, true, "Times New Roman");
    });
}

} // namespace skinart
