#pragma once
// The drawing kit of the artwork: the shapes the pictures are made of, each drawn into a box
// with a fill and an edge colour, so that one shape serves every picture and every state.
#include <string>
#include <vector>

#include "platform/ui/graphics/canvas.h"
#include "resources/skin_art/art_color.h"

namespace skinart {

using ui::TCanvas;
using ui::TPoint;
using ui::TRect;

// The two colours of a shape: its body and its edge.
struct TInk {
    TColor Fill;
    TColor Edge;
};
// A shape's ink from its main colour: the edge is a darker shade of it.
TInk InkOf(TColor color);

enum TDirection { dirLeft, dirRight, dirUp, dirDown };

// A point of a shape given in fractions (0..1) of a box.
struct TUnit {
    double X;
    double Y;
};
TPoint At(const TRect& box, TUnit u);
// The largest square centred in r, shrunk by margin on every side.
TRect SquareIn(const TRect& r, int margin);
TRect Shrink(const TRect& r, int dx, int dy);

void Fill(TCanvas& c, const TRect& r, TColor color);
void Frame(TCanvas& c, const TRect& r, TColor color);
void Line(TCanvas& c, int x1, int y1, int x2, int y2, TColor color, int width = 1);
void Pixel(TCanvas& c, int x, int y, TColor color);
// Vertical and horizontal gradients, one line per row or column.
void GradientV(TCanvas& c, const TRect& r, TColor top, TColor bottom);
void GradientH(TCanvas& c, const TRect& r, TColor left, TColor right);
// A sunken or raised one-pixel frame.
void Bevel(TCanvas& c, const TRect& r, bool raised);

// A closed polygon in box units, filled and edged.
void Shape(TCanvas& c, const TRect& box, const std::vector<TUnit>& units, const TInk& ink);
void Oval(TCanvas& c, const TRect& r, const TInk& ink);
// A rounded rectangle; radius is the corner's radius.
void Rounded(TCanvas& c, const TRect& r, int radius, const TInk& ink);

void Tick(TCanvas& c, const TRect& box, const TInk& ink);
void Cross(TCanvas& c, const TRect& box, const TInk& ink);
void PlusSign(TCanvas& c, const TRect& box, const TInk& ink);
void MinusSign(TCanvas& c, const TRect& box, const TInk& ink);
// A solid triangle pointing one way, filling the box.
void Triangle(TCanvas& c, const TRect& box, TDirection d, const TInk& ink);
// An arrow with a head and a shaft.
void ShaftArrow(TCanvas& c, const TRect& box, TDirection d, const TInk& ink);
// A bar across the box, upright for left and right arrows, lying for up and down.
void StopBar(TCanvas& c, const TRect& box, TDirection d, const TInk& ink);
void QuestionMark(TCanvas& c, const TRect& box, const TInk& ink);

// Text centred in r in a sans-serif face of the given pixel height.
void Word(TCanvas& c, const TRect& r, const std::string& text, TColor color, int pixels,
          bool bold = true, const std::string& face = "Arial");
// The same text with a one-pixel shadow below and right.
void ShadowWord(TCanvas& c, const TRect& r, const std::string& text, TColor color, TColor shadow,
                int pixels);

// A glossy oval with a word on it: the message pictures and stamps.
void WordOval(TCanvas& c, const TRect& r, TColor fill, const std::string& word, TColor text,
              int pixels);

// A button face with rounded corners, a vertical gradient and a border; the pixels outside the
// rounding keep what was below.
void RoundFace(TCanvas& c, const TRect& r, int radius, TColor top, TColor bottom, TColor border);

// Office icons drawn into a box.
void Page(TCanvas& c, const TRect& r, bool lines);
void Folder(TCanvas& c, const TRect& r, bool open);

} // namespace skinart
