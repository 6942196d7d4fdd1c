// The pictures of the message dialogs and the stamps: ovals with a word, the stop sign, the
// cancelled and not-posted stamps and the escape key.
#include "resources/skin_art/art_kit.h"
#include "resources/skin_art/glyph_strip.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

TPainter MessageOval(TColor background, TColor fill, const std::string& word, TColor text,
                     int pixels) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, background);
        WordOval(c, {1, 1, w - 1, h - 1}, fill, word, text, pixels);
    };
}

// A rubber stamp: a double frame with rounded corners and a word, in one ink.
void Stamp(TCanvas& c, const TRect& r, TColor ink, const std::string& word, int pixels) {
    Rounded(c, r, 6, {ink, ink});
    Rounded(c, Shrink(r, 2, 2), 5, {kWhite, kWhite});
    Rounded(c, Shrink(r, 3, 3), 4, {kWhite, ink});
    Word(c, r, word, ink, pixels);
}

} // namespace

void AddMessagePainters(TPainters& p) {
    p["Warning"] = MessageOval(kMagenta, Rgb(255, 220, 40), "Hei!", Rgb(120, 60, 0), 20);
    p["Error"] = MessageOval(Rgb(212, 208, 200), Rgb(250, 120, 100), "Ups!", Rgb(120, 0, 0), 20);
    p["Information"] = MessageOval(kMagenta, Rgb(140, 230, 130), "info", Rgb(0, 90, 20), 20);
    p["Confirmation"] = MessageOval(kMagenta, Rgb(130, 190, 250), "?", Rgb(0, 40, 130), 28);
    p["Anulat"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        Stamp(c, {2, 10, w - 2, h - 10}, Rgb(200, 20, 30), "ANULAT", 14);
    };
    p["Neoperat"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        TRect r = {1, 1, w - 1, h - 1};
        Rounded(c, r, 5, {Rgb(255, 245, 200), Rgb(200, 120, 0)});
        Rounded(c, Shrink(r, 2, 2), 4, {Rgb(255, 245, 200), Rgb(230, 170, 60)});
        // The word stands letter under letter on the narrow label.
        const std::string letters = "NEOPERAT";
        for (size_t i = 0; i < letters.size(); ++i)
            Word(c, ui::Bounds(0, 2 + int(i) * 7, w, 8), std::string(1, letters[i]),
                 Rgb(180, 90, 0), 8);
    };
    p["StopModi"] = [](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        // An octagon stop sign with a white rim.
        TRect box = SquareIn({0, 0, w, h}, 1);
        const std::vector<TUnit> octagon = {{0.30, 0}, {0.70, 0}, {1, 0.30}, {1, 0.70},
                                            {0.70, 1}, {0.30, 1}, {0, 0.70}, {0, 0.30}};
        Shape(c, box, octagon, {kWhite, Rgb(120, 0, 0)});
        Shape(c, Shrink(box, 3, 3), octagon, {Rgb(210, 20, 30), Rgb(150, 0, 10)});
        ShadowWord(c, box, "STOP", kWhite, Rgb(110, 0, 0), 13);
    };
    p["EscapeImg"] = [](TCanvas& c, int w, int h) {
        PaintStrip(
            c, w, h, {kBlack, kRed, dlWashed}, [](TCanvas& c, const TRect& f, const TInk& ink) {
                TRect key = Shrink(f, 1, 0);
                Fill(c, key, kLightGrey);
                Bevel(c, key, true);
                Line(c, key.Left + 1, key.Bottom - 2, key.Right - 1, key.Bottom - 2, kShadow);
                Word(c, {key.Left, key.Top, key.Right, key.Bottom - 1}, "Esc", ink.Fill, 10);
            });
    };
}

} // namespace skinart
