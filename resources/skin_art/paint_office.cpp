// The glyphs of the document buttons: save, print, find, edit, view and the like.
#include "resources/skin_art/icon_kit.h"
#include "resources/skin_art/icon_strip.h"

namespace skinart {

namespace {

// A page with a small sign over its bottom-right corner.
TIcon PageWith(void (*sign)(TCanvas&, const TRect&, const TInk&), bool signTakesInk) {
    return [=](TCanvas& c, const TRect& box, const TInk& ink) {
        Page(c, Shrink(box, box.Width() / 8, 0), true);
        TRect corner = CornerBox(box, 0.55);
        sign(c, corner, signTakesInk ? ink : InkOf(kRed));
    };
}

} // namespace

void AddOfficePainters(TPainters& p) {
    p["Save"] = IconStrip(kNavy, Floppy);
    p["SaveAs"] = IconStrip(kNavy, [](TCanvas& c, const TRect& box, const TInk& ink) {
        Floppy(c, Shrink(box, 0, 0), ink);
        Pencil(c, CornerBox(box, 0.6), InkOf(Rgb(250, 200, 40)));
    });
    p["Find"] = IconStrip(Rgb(120, 70, 30), Magnifier);
    p["FindNext"] = IconStrip(Rgb(120, 70, 30), [](TCanvas& c, const TRect& box, const TInk& ink) {
        Magnifier(c, Shrink(box, 0, 0), ink);
        ShaftArrow(c, {box.Left + box.Width() / 2, box.Top, box.Right, box.Top + box.Height() / 3},
                   dirRight, InkOf(kGreen));
    });
    p["Edit"] = IconStrip(Rgb(250, 200, 40), Pencil);
    p["Print"] = IconStrip(Rgb(190, 190, 180), Printer);
    p["PrnSetup"] =
        IconStrip(Rgb(190, 190, 180), [](TCanvas& c, const TRect& box, const TInk& ink) {
            Printer(c, box, ink);
            Gear(c, CornerBox(box, 0.5), InkOf(kBlue));
        });
    p["Jurnal"] = IconStrip(Rgb(150, 30, 40), Book);
    p["Vizual"] = IconStrip(kBlue, Eye);
    p["Mail"] = IconStrip(Rgb(240, 210, 150), Envelope, 1);
    p["Exit"] = IconStrip(kRed, Door);
    p["BigExit"] = IconStrip(kRed, Door);
    p["Grafic"] = IconStrip(kBlue, BarChart);
    p["Config"] = IconStrip(Rgb(110, 120, 140), Gear);
    p["Avansat"] = IconStrip(Rgb(110, 120, 140), [](TCanvas& c, const TRect& box, const TInk& ink) {
        Gear(c, Shrink(box, box.Width() / 8, box.Height() / 8), ink);
        PlusSign(c, CornerBox(box, 0.42), InkOf(kGreen));
    });
    p["BUnelte"] = IconStrip(Rgb(130, 140, 160), [](TCanvas& c, const TRect& box, const TInk& ink) {
        Hammer(c, box, ink);
        Wrench(c, box, InkOf(Rgb(170, 175, 190)));
    });
    p["Constante"] = IconStrip(Rgb(40, 110, 60), Grid);
    p["Add"] = IconStrip(kGreen, PageWith(PlusSign, true));
    p["Delete"] = IconStrip(kRed, PageWith(Cross, true));
    p["Detalii"] = IconStrip(Rgb(120, 70, 30), [](TCanvas& c, const TRect& box, const TInk& ink) {
        Page(c, Shrink(box, box.Width() / 8, 0), true);
        Magnifier(c, CornerBox(box, 0.62), ink);
    });
    p["Analitic"] = IconStrip(kBlue, [](TCanvas& c, const TRect& box, const TInk& ink) {
        Page(c, box, false);
        // A tree of accounts: a trunk and three branches ending in coloured bars.
        int x = box.Left + box.Width() / 4;
        Line(c, x, box.Top + box.Height() / 3, x, box.Bottom - 3, kDarkShadow);
        for (int i = 0; i < 3; ++i) {
            int y = box.Top + box.Height() / 3 + i * box.Height() / 5 + 2;
            Line(c, x, y, x + 3, y, kDarkShadow);
            Fill(c, {x + 3, y - 1, box.Right - 4, y + 1}, i == 1 ? kRed : ink.Fill);
        }
    });
    p["Explicatii"] = IconStrip(kBlue, Bubble, 1);
    p["Contract"] = IconStrip(
        kRed,
        [](TCanvas& c, const TRect& box, const TInk& ink) {
            // A sheet lying across the frame with lines of text and a seal.
            TRect sheet = {box.Left - 6, box.Top, box.Right + 6, box.Bottom};
            Fill(c, sheet, kWhite);
            Frame(c, sheet, Rgb(90, 90, 90));
            for (int y = sheet.Top + 2; y < sheet.Bottom - 2; y += 2)
                Line(c, sheet.Left + 2, y, sheet.Right - 8, y, Rgb(120, 140, 200));
            Oval(c, {sheet.Right - 7, sheet.Bottom - 7, sheet.Right - 1, sheet.Bottom - 1}, ink);
        },
        0);
    p["MainExitImg"] = IconStrip(kRed, [](TCanvas& c, const TRect& box, const TInk& ink) {
        Rounded(c, box, 4, ink);
        int m = box.Width() / 4;
        Line(c, box.Left + m, box.Top + m, box.Right - m, box.Bottom - m, kWhite, 3);
        Line(c, box.Left + m, box.Bottom - m - 1, box.Right - m, box.Top + m - 1, kWhite, 3);
    });
}

} // namespace skinart
