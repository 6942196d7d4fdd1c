// The product's marks: the emblem and the name in colour, in white and in black, and the two
// large module pictures. Where a mark is a PNG image, magenta becomes transparent.
#include "resources/skin_art/art_kit.h"
#include "resources/skin_art/icon_kit.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

const TColor kBrandBlue = Rgb(16, 64, 160);
const TColor kBrandOrange = Rgb(240, 140, 20);

// The emblem: a diamond split in two colours with a white wedge, drawn into a square box.
void Emblem(TCanvas& c, const TRect& box, TColor left, TColor right, TColor wedge) {
    Shape(c, box, {{0.5, 0}, {0.5, 1}, {0, 0.5}}, {left, left});
    Shape(c, box, {{0.5, 0}, {1, 0.5}, {0.5, 1}}, {right, right});
    Shape(c, box,
          {{0.30, 0.50}, {0.62, 0.22}, {0.62, 0.40}, {0.48, 0.50}, {0.62, 0.60}, {0.62, 0.78}},
          {wedge, wedge});
}

const unsigned kNameStyle = ui::fsBold | ui::fsItalic;

// Text spaced out letter by letter, starting at x and centred on r's height; returns where it
// ends.
int Name(TCanvas& c, int x, const TRect& r, const std::string& text, TColor color, int pixels,
         unsigned style = kNameStyle) {
    c.Font().SetName("Arial");
    c.Font().SetHeight(-pixels);
    c.Font().SetStyle(style);
    c.Font().SetColor(color);
    c.Brush().SetStyle(ui::bsClear);
    int top = r.Top + (r.Height() - c.TextHeight(text)) / 2;
    for (char ch : text) {
        std::string s(1, ch);
        c.TextOut(x, top, s);
        x += c.TextWidth(s) + pixels / 8;
    }
    c.Brush().SetStyle(ui::bsSolid);
    return x;
}

// The full mark: emblem, name and a line with the product's name under a rule.
void Mark(TCanvas& c, int w, int h, TColor name, TColor sub, bool colour) {
    TRect emblem = ui::Bounds(4, 2, h - 4, h - 4);
    Emblem(c, emblem, colour ? kBrandBlue : name, colour ? kBrandOrange : Mix(name, sub, 0.5),
           colour ? kWhite : sub);
    int rule = h * 5 / 7;
    int end = Name(c, emblem.Right + 8, {0, 0, w, rule}, "KESTRIX", name, h * 4 / 7);
    Line(c, emblem.Right + 8, rule, end, rule, colour ? kBrandOrange : name);
    Name(c, emblem.Right + 9, {0, rule + 1, w, h}, "software de contabilitate", sub, 9, 0);
}

// The word mark alone, for the left part of a two-part mark.
TPainter WordMark(TColor ink) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        int end = Name(c, 6, {0, 0, w, h - 10}, "KESTRIX", ink, 28);
        Line(c, 6, h - 11, end, h - 11, ink, 2);
        Name(c, 8, {0, h - 10, w, h}, "software de contabilitate", ink, 9, 0);
    };
}

TPainter EmblemMark(TColor ink, TColor other) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Emblem(c, SquareIn({0, 0, w, h}, 2), ink, other, Mix(ink, other, 0.5));
    };
}

// A large rounded card with a soft gradient, the ground of the module pictures.
void Card(TCanvas& c, int w, int h, TColor tint) {
    Fill(c, {0, 0, w, h}, kMagenta);
    RoundFace(c, {0, 0, w, h}, 14, kWhite, Tint(tint, 0.7), Shade(tint, 0.2));
}

} // namespace

void AddLogoPainters(TPainters& p) {
    p["SCLogo"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Emblem(c, ui::Bounds(1, 1, h - 2, h - 2), kBrandBlue, kBrandOrange, kWhite);
        int end = Name(c, h + 3, {0, 0, w, h}, "KESTRIX", kBrandBlue, 15);
        Name(c, end + 4, {0, 2, w, h}, "soft", kBrandOrange, 11);
    };
    p["SiglaKestrixImg"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Mark(c, w, h, kBrandBlue, Rgb(90, 90, 100), true);
    };
    p["SiglaKestrix2Img"] = [](TCanvas& c, int w, int h) {
        // The same mark on the main title bar's blue, for backgrounds without transparency.
        GradientV(c, {0, 0, w, h / 2}, Rgb(70, 110, 190), Rgb(20, 60, 150));
        GradientV(c, {0, h / 2, w, h}, Rgb(10, 45, 130), Rgb(30, 80, 170));
        Line(c, 0, 0, w, 0, Rgb(150, 180, 230));
        Line(c, 0, h - 1, w, h - 1, Rgb(10, 30, 80));
        Mark(c, w, h, kWhite, Rgb(200, 215, 245), true);
    };
    p["SiglaWhiteL"] = WordMark(kWhite);
    p["SiglaBlackL"] = WordMark(kBlack);
    p["SiglaWhiteR"] = EmblemMark(kWhite, Rgb(200, 200, 200));
    p["SiglaBlackR"] = EmblemMark(kBlack, Rgb(90, 90, 90));
    p["ImageListe"] = [](TCanvas& c, int w, int h) {
        Card(c, w, h, Rgb(120, 170, 230));
        // Three list sheets fanned out, the front one with coloured rows.
        for (int i = 2; i >= 0; --i) {
            TRect sheet = ui::Bounds(30 + i * 10, 22 + i * 8 - 16, 84, 108);
            sheet = ui::OffsetRect(sheet, 0, 16 - i * 8);
            Fill(c, sheet, kWhite);
            Frame(c, sheet, Rgb(90, 90, 110));
        }
        TRect front = ui::Bounds(30, 38, 84, 108);
        Fill(c, {front.Left + 1, front.Top + 1, front.Right - 1, front.Top + 14}, kBrandBlue);
        Word(c, {front.Left, front.Top + 1, front.Right, front.Top + 14}, "LISTE", kWhite, 10);
        for (int row = 0; row < 8; ++row) {
            int y = front.Top + 20 + row * 10;
            Fill(c, {front.Left + 6, y, front.Left + 12, y + 6},
                 row % 3 == 0 ? kBrandOrange : Rgb(120, 170, 230));
            Fill(c, {front.Left + 16, y + 2, front.Right - 8 - (row * 7) % 20, y + 4},
                 Rgb(110, 110, 130));
        }
        Magnifier(c, ui::Bounds(92, 92, 44, 44), InkOf(Rgb(120, 70, 30)));
    };
    p["ImageDate"] = [](TCanvas& c, int w, int h) {
        Card(c, w, h, Rgb(140, 200, 140));
        // A database: three stacked discs forming a cylinder.
        const TInk disc = {Rgb(90, 150, 210), Rgb(20, 60, 120)};
        TRect body = {36, 34, 124, 126};
        Fill(c, {body.Left, body.Top + 10, body.Right, body.Bottom - 10}, disc.Fill);
        GradientH(c, {body.Left + 1, body.Top + 10, body.Right - 1, body.Bottom - 10},
                  Rgb(60, 120, 190), Rgb(150, 200, 250));
        Line(c, body.Left, body.Top + 10, body.Left, body.Bottom - 10, disc.Edge);
        Line(c, body.Right - 1, body.Top + 10, body.Right - 1, body.Bottom - 10, disc.Edge);
        Oval(c, {body.Left, body.Bottom - 20, body.Right, body.Bottom}, disc);
        Fill(c, {body.Left + 1, body.Bottom - 20, body.Right - 1, body.Bottom - 10},
             Rgb(105, 160, 220));
        for (int y : {body.Top + 40, body.Top + 70})
            Oval(c, {body.Left, y - 10, body.Right, y + 10}, {Rgb(130, 185, 240), disc.Edge});
        Oval(c, {body.Left, body.Top, body.Right, body.Top + 20}, {Rgb(200, 225, 250), disc.Edge});
        Word(c, {body.Left, body.Top + 42, body.Right, body.Top + 72}, "DATE", kWhite, 16);
    };
}

} // namespace skinart
