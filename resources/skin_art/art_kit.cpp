#include "resources/skin_art/art_kit.h"

#include <algorithm>
#include <cmath>

namespace skinart {

TInk InkOf(TColor color) {
    return {color, Shade(color, 0.45)};
}

TPoint At(const TRect& box, TUnit u) {
    return {box.Left + int(std::lround(u.X * (box.Width() - 1))),
            box.Top + int(std::lround(u.Y * (box.Height() - 1)))};
}

TRect SquareIn(const TRect& r, int margin) {
    int side = std::max(1, std::min(r.Width(), r.Height()) - 2 * margin);
    int left = r.Left + (r.Width() - side) / 2;
    int top = r.Top + (r.Height() - side) / 2;
    return ui::Bounds(left, top, side, side);
}

TRect Shrink(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
    c.Brush().SetColor(color);
    c.Brush().SetStyle(ui::bsSolid);
    c.FillRect(r);
}

void Frame(TCanvas& c, const TRect& r, TColor color) {
    c.Brush().SetColor(color);
    c.FrameRect(r);
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2, TColor color, int width) {
    c.Pen().SetColor(color);
    c.Pen().SetWidth(width);
    c.Pen().SetStyle(ui::psSolid);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.Pen().SetWidth(1);
}

void Pixel(TCanvas& c, int x, int y, TColor color) {
    c.SetPixel(x, y, color);
}

void GradientV(TCanvas& c, const TRect& r, TColor top, TColor bottom) {
    int h = r.Height();
    for (int y = 0; y < h; ++y)
        Line(c, r.Left, r.Top + y, r.Right, r.Top + y,
             Mix(top, bottom, h > 1 ? double(y) / (h - 1) : 0));
}

void GradientH(TCanvas& c, const TRect& r, TColor left, TColor right) {
    int w = r.Width();
    for (int x = 0; x < w; ++x)
        Line(c, r.Left + x, r.Top, r.Left + x, r.Bottom,
             Mix(left, right, w > 1 ? double(x) / (w - 1) : 0));
}

void Bevel(TCanvas& c, const TRect& r, bool raised) {
    TColor light = raised ? kWhite : kShadow;
    TColor dark = raised ? kShadow : kWhite;
    Line(c, r.Left, r.Bottom - 1, r.Left, r.Top, light);
    Line(c, r.Left, r.Top, r.Right, r.Top, light);
    Line(c, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom, dark);
    Line(c, r.Left + 1, r.Bottom - 1, r.Right, r.Bottom - 1, dark);
}

void Shape(TCanvas& c, const TRect& box, const std::vector<TUnit>& units, const TInk& ink) {
    std::vector<TPoint> points;
    points.reserve(units.size());
    for (const TUnit& u : units)
        points.push_back(At(box, u));
    c.Pen().SetColor(ink.Edge);
    c.Pen().SetStyle(ui::psSolid);
    c.Brush().SetColor(ink.Fill);
    c.Brush().SetStyle(ui::bsSolid);
    c.Polygon(points);
}

void Oval(TCanvas& c, const TRect& r, const TInk& ink) {
    c.Pen().SetColor(ink.Edge);
    c.Pen().SetStyle(ui::psSolid);
    c.Brush().SetColor(ink.Fill);
    c.Brush().SetStyle(ui::bsSolid);
    c.Ellipse(r);
}

namespace {

// Whether (x, y) of a w x h box lies inside its rounding of the given radius.
bool InsideRounded(int w, int h, int radius, int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    double cx = x < radius ? radius - 0.5 : (x >= w - radius ? w - radius - 0.5 : x + 0.5);
    double cy = y < radius ? radius - 0.5 : (y >= h - radius ? h - radius - 0.5 : y + 0.5);
    double dx = x + 0.5 - cx;
    double dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= radius * radius + 0.25;
}

bool EdgeOfRounded(int w, int h, int radius, int x, int y) {
    return !InsideRounded(w, h, radius, x - 1, y) || !InsideRounded(w, h, radius, x + 1, y) ||
           !InsideRounded(w, h, radius, x, y - 1) || !InsideRounded(w, h, radius, x, y + 1);
}

} // namespace

void Rounded(TCanvas& c, const TRect& r, int radius, const TInk& ink) {
    int w = r.Width();
    int h = r.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (InsideRounded(w, h, radius, x, y))
                c.SetPixel(r.Left + x, r.Top + y,
                           EdgeOfRounded(w, h, radius, x, y) ? ink.Edge : ink.Fill);
}

void RoundFace(TCanvas& c, const TRect& r, int radius, TColor top, TColor bottom, TColor border) {
    int w = r.Width();
    int h = r.Height();
    for (int y = 0; y < h; ++y) {
        TColor row = Mix(top, bottom, h > 1 ? double(y) / (h - 1) : 0);
        for (int x = 0; x < w; ++x) {
            if (!InsideRounded(w, h, radius, x, y))
                continue;
            TColor color = row;
            if (EdgeOfRounded(w, h, radius, x, y))
                color = border;
            else if (EdgeOfRounded(w, h, radius, x, y - 1) && y <= h / 2)
                color = Tint(row, 0.6); // the light just inside the top edge
            c.SetPixel(r.Left + x, r.Top + y, color);
        }
    }
}

void Tick(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.04, 0.52}, {0.22, 0.36}, {0.40, 0.54}, {0.80, 0.08}, {0.96, 0.24}, {0.40, 0.90}},
          ink);
}

void Cross(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.06, 0.22},
           {0.22, 0.06},
           {0.50, 0.34},
           {0.78, 0.06},
           {0.94, 0.22},
           {0.66, 0.50},
           {0.94, 0.78},
           {0.78, 0.94},
           {0.50, 0.66},
           {0.22, 0.94},
           {0.06, 0.78},
           {0.34, 0.50}},
          ink);
}

void PlusSign(TCanvas& c, const TRect& box, const TInk& ink) {
    const double a = 0.34, b = 0.66;
    Shape(c, box,
          {{a, 0},
           {b, 0},
           {b, a},
           {1, a},
           {1, b},
           {b, b},
           {b, 1},
           {a, 1},
           {a, b},
           {0, b},
           {0, a},
           {a, a}},
          ink);
}

void MinusSign(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0, 0.34}, {1, 0.34}, {1, 0.66}, {0, 0.66}}, ink);
}

namespace {

// Turns a shape drawn pointing right into the given direction.
TUnit Turn(TUnit u, TDirection d) {
    switch (d) {
    case dirRight:
        return u;
    case dirLeft:
        return {1 - u.X, u.Y};
    case dirDown:
        return {u.Y, u.X};
    case dirUp:
        return {u.Y, 1 - u.X};
    }
    return u;
}

void TurnedShape(TCanvas& c, const TRect& box, std::vector<TUnit> units, TDirection d,
                 const TInk& ink) {
    for (TUnit& u : units)
        u = Turn(u, d);
    Shape(c, box, units, ink);
}

} // namespace

void Triangle(TCanvas& c, const TRect& box, TDirection d, const TInk& ink) {
    TurnedShape(c, box, {{0, 0}, {1, 0.5}, {0, 1}}, d, ink);
}

void ShaftArrow(TCanvas& c, const TRect& box, TDirection d, const TInk& ink) {
    TurnedShape(c, box,
                {{0, 0.32}, {0.5, 0.32}, {0.5, 0}, {1, 0.5}, {0.5, 1}, {0.5, 0.68}, {0, 0.68}}, d,
                ink);
}

void StopBar(TCanvas& c, const TRect& box, TDirection d, const TInk& ink) {
    TurnedShape(c, box, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, d, ink);
}

void QuestionMark(TCanvas& c, const TRect& box, const TInk& ink) {
    // The hook as a thick polygon and the dot as a square below it.
    Shape(c, box,
          {{0.10, 0.30},
           {0.22, 0.08},
           {0.50, 0.00},
           {0.78, 0.08},
           {0.90, 0.28},
           {0.84, 0.44},
           {0.62, 0.58},
           {0.62, 0.70},
           {0.38, 0.70},
           {0.38, 0.52},
           {0.62, 0.38},
           {0.64, 0.26},
           {0.50, 0.18},
           {0.36, 0.24},
           {0.34, 0.32}},
          ink);
    Shape(c, box, {{0.38, 0.80}, {0.62, 0.80}, {0.62, 1.00}, {0.38, 1.00}}, ink);
}

void Word(TCanvas& c, const TRect& r, const std::string& text, TColor color, int pixels, bool bold,
          const std::string& face) {
    c.Font().SetName(face);
    c.Font().SetHeight(-pixels);
    c.Font().SetStyle(bold ? unsigned(ui::fsBold) : 0u);
    c.Font().SetColor(color);
    c.Brush().SetStyle(ui::bsClear);
    ui::TSize size = c.TextExtent(text);
    c.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
    c.Brush().SetStyle(ui::bsSolid);
}

void ShadowWord(TCanvas& c, const TRect& r, const std::string& text, TColor color, TColor shadow,
                int pixels) {
    Word(c, ui::OffsetRect(r, 1, 1), text, shadow, pixels);
    Word(c, r, text, color, pixels);
}

void WordOval(TCanvas& c, const TRect& r, TColor fill, const std::string& word, TColor text,
              int pixels) {
    TRect body = {r.Left, r.Top, r.Right - 3, r.Bottom - 3};
    Oval(c, ui::OffsetRect(body, 3, 3), {Rgb(150, 150, 150), Rgb(150, 150, 150)});
    Oval(c, body, {fill, Shade(fill, 0.55)});
    // The gloss: a paler oval over the upper half.
    TRect gloss = {body.Left + body.Width() / 8, body.Top + 3, body.Right - body.Width() / 8,
                   body.Top + body.Height() / 2 + 1};
    Oval(c, gloss, {Tint(fill, 0.45), Tint(fill, 0.45)});
    Oval(c, Shrink(gloss, gloss.Width() / 5, 2), {Tint(fill, 0.7), Tint(fill, 0.7)});
    ShadowWord(c, body, word, text, Tint(fill, 0.8), pixels);
}

void Page(TCanvas& c, const TRect& r, bool lines) {
    int fold = std::max(3, r.Width() / 3);
    TInk paper = {kWhite, Rgb(80, 80, 80)};
    Shape(
        c, r,
        {{0, 0}, {1 - double(fold) / r.Width(), 0}, {1, double(fold) / r.Height()}, {1, 1}, {0, 1}},
        paper);
    // The folded corner.
    int fx = r.Right - fold;
    c.Pen().SetColor(paper.Edge);
    c.Brush().SetColor(kLightGrey);
    c.Polygon({{fx, r.Top}, {fx, r.Top + fold}, {r.Right - 1, r.Top + fold}});
    if (!lines)
        return;
    for (int y = r.Top + fold + 2; y < r.Bottom - 2; y += 2)
        Line(c, r.Left + 2, y, r.Right - 2 - ((y / 2) % 3 == 0 ? 3 : 0), y, Rgb(110, 130, 180));
}

void Folder(TCanvas& c, const TRect& r, bool open) {
    TInk back = {Rgb(230, 180, 50), Rgb(130, 90, 10)};
    TInk front = {Rgb(255, 220, 100), Rgb(150, 110, 20)};
    int tabW = r.Width() * 2 / 5;
    int top = r.Top + 2;
    c.Pen().SetColor(back.Edge);
    c.Brush().SetColor(back.Fill);
    c.Polygon({{r.Left, top},
               {r.Left + tabW, top},
               {r.Left + tabW + 2, top + 2},
               {r.Right - 1, top + 2},
               {r.Right - 1, r.Bottom - 1},
               {r.Left, r.Bottom - 1}});
    c.Pen().SetColor(front.Edge);
    c.Brush().SetColor(front.Fill);
    int flap = top + 5;
    if (open)
        c.Polygon({{r.Left + 4, flap},
                   {r.Right - 1, flap},
                   {r.Right - 5, r.Bottom - 1},
                   {r.Left, r.Bottom - 1}});
    else
        c.Polygon({{r.Left, flap},
                   {r.Right - 1, flap},
                   {r.Right - 1, r.Bottom - 1},
                   {r.Left, r.Bottom - 1}});
    Line(c, r.Left + (open ? 5 : 1), flap + 1, r.Right - 2, flap + 1, Tint(front.Fill, 0.6));
}

} // namespace skinart
