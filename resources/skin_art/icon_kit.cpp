#include "resources/skin_art/icon_kit.h"

#include <cmath>
#include <numbers>

namespace skinart {

namespace {

TUnit Polar(double angleDeg, double radius) {
    double a = angleDeg * std::numbers::pi / 180;
    return {0.5 + radius * std::cos(a), 0.5 - radius * std::sin(a)};
}

void Box(TCanvas& c, const TRect& box, TUnit a, TUnit b, const TInk& ink) {
    Shape(c, box, {{a.X, a.Y}, {b.X, a.Y}, {b.X, b.Y}, {a.X, b.Y}}, ink);
}

void OvalIn(TCanvas& c, const TRect& box, TUnit a, TUnit b, const TInk& ink) {
    TPoint p = At(box, a);
    TPoint q = At(box, b);
    Oval(c, {p.X, p.Y, q.X + 1, q.Y + 1}, ink);
}

const TInk kPaper = {kWhite, Rgb(90, 90, 90)};
const TInk kMetal = {Rgb(200, 200, 205), Rgb(90, 90, 100)};
const TInk kDark = {Rgb(60, 60, 70), Rgb(20, 20, 30)};

} // namespace

TRect CornerBox(const TRect& box, double fraction) {
    int side = std::max(5, int(std::lround(box.Width() * fraction)));
    return {box.Right - side, box.Bottom - side, box.Right, box.Bottom};
}

void RingArrow(TCanvas& c, const TRect& box, double from, double to, double thickness, bool head,
               const TInk& ink) {
    const double outer = 0.42, inner = outer - thickness;
    std::vector<TUnit> units;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i)
        units.push_back(Polar(from + (to - from) * i / steps, outer));
    if (head) {
        double mid = (outer + inner) / 2;
        units.push_back(Polar(to, outer + thickness * 0.7));
        units.push_back(Polar(to + (to > from ? 28 : -28), mid));
        units.push_back(Polar(to, inner - thickness * 0.7));
    }
    for (int i = steps; i >= 0; --i)
        units.push_back(Polar(from + (to - from) * i / steps, inner));
    Shape(c, box, units, ink);
}

void Gear(TCanvas& c, const TRect& box, const TInk& ink) {
    std::vector<TUnit> units;
    const int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        double a = 360.0 * i / teeth;
        units.push_back(Polar(a - 13, 0.36));
        units.push_back(Polar(a - 8, 0.49));
        units.push_back(Polar(a + 8, 0.49));
        units.push_back(Polar(a + 13, 0.36));
    }
    Shape(c, box, units, ink);
    OvalIn(c, box, {0.36, 0.36}, {0.64, 0.64}, {Tint(ink.Fill, 0.85), ink.Edge});
}

void Floppy(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0.05, 0.05}, {0.85, 0.05}, {0.95, 0.15}, {0.95, 0.95}, {0.05, 0.95}}, ink);
    Box(c, box, {0.25, 0.05}, {0.72, 0.36}, kMetal);
    Box(c, box, {0.55, 0.10}, {0.65, 0.30}, kDark);
    Box(c, box, {0.18, 0.52}, {0.82, 0.95}, kPaper);
    for (double y : {0.66, 0.80}) {
        TPoint a = At(box, {0.26, y});
        TPoint b = At(box, {0.74, y});
        Line(c, a.X, a.Y, b.X, b.Y, Rgb(120, 140, 200));
    }
}

void Pencil(TCanvas& c, const TRect& box, const TInk& ink) {
    // Lying from the bottom-left (the point) to the top-right (the eraser).
    Shape(c, box, {{0.30, 0.86}, {0.78, 0.38}, {0.62, 0.22}, {0.14, 0.70}}, ink);
    Shape(c, box, {{0.14, 0.70}, {0.30, 0.86}, {0.04, 0.96}},
          {Rgb(240, 200, 150), Rgb(120, 80, 40)});
    Shape(c, box, {{0.06, 0.88}, {0.12, 0.94}, {0.04, 0.96}}, kDark);
    Shape(c, box, {{0.78, 0.38}, {0.92, 0.24}, {0.76, 0.08}, {0.62, 0.22}},
          {Rgb(240, 130, 150), Rgb(130, 50, 60)});
}

void Magnifier(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0.56, 0.66}, {0.66, 0.56}, {0.98, 0.88}, {0.88, 0.98}}, ink);
    OvalIn(c, box, {0.02, 0.02}, {0.70, 0.70}, {Rgb(90, 90, 100), Rgb(30, 30, 40)});
    OvalIn(c, box, {0.10, 0.10}, {0.62, 0.62}, {Rgb(200, 230, 255), Rgb(60, 60, 70)});
    OvalIn(c, box, {0.18, 0.16}, {0.34, 0.32}, {kWhite, kWhite});
}

void Printer(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.22, 0.02}, {0.78, 0.42}, kPaper);
    Shape(c, box, {{0.02, 0.36}, {0.98, 0.36}, {0.98, 0.80}, {0.02, 0.80}}, ink);
    Box(c, box, {0.10, 0.62}, {0.90, 0.72}, kDark);
    Box(c, box, {0.18, 0.68}, {0.82, 0.98}, kPaper);
    Box(c, box, {0.80, 0.44}, {0.88, 0.52}, {Rgb(60, 220, 60), Rgb(0, 100, 0)});
    TPoint a = At(box, {0.28, 0.80});
    TPoint b = At(box, {0.72, 0.80});
    Line(c, a.X, a.Y + 2, b.X, b.Y + 2, Rgb(120, 140, 200));
}

void Book(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0.22, 0.10}, {0.92, 0.02}, {0.92, 0.84}, {0.22, 0.92}}, kPaper);
    Shape(c, box, {{0.08, 0.12}, {0.80, 0.04}, {0.80, 0.88}, {0.08, 0.96}}, ink);
    Shape(c, box, {{0.08, 0.12}, {0.20, 0.11}, {0.20, 0.95}, {0.08, 0.96}},
          {Shade(ink.Fill, 0.3), ink.Edge});
    Box(c, box, {0.34, 0.26}, {0.68, 0.40}, {Rgb(250, 230, 160), Rgb(140, 110, 40)});
}

void Eye(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.00, 0.50},
           {0.15, 0.30},
           {0.35, 0.18},
           {0.65, 0.18},
           {0.85, 0.30},
           {1.00, 0.50},
           {0.85, 0.70},
           {0.65, 0.82},
           {0.35, 0.82},
           {0.15, 0.70}},
          kPaper);
    OvalIn(c, box, {0.30, 0.22}, {0.70, 0.78}, ink);
    OvalIn(c, box, {0.42, 0.38}, {0.58, 0.62}, kDark);
    OvalIn(c, box, {0.36, 0.28}, {0.44, 0.38}, {kWhite, kWhite});
}

void Envelope(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.02, 0.18}, {0.98, 0.86}, {Rgb(255, 252, 235), Rgb(90, 90, 90)});
    Shape(c, box, {{0.02, 0.18}, {0.98, 0.18}, {0.50, 0.56}}, ink);
    TPoint a = At(box, {0.02, 0.86});
    TPoint m = At(box, {0.50, 0.50});
    TPoint b = At(box, {0.98, 0.86});
    Line(c, a.X, a.Y, m.X, m.Y, Rgb(150, 150, 150));
    Line(c, m.X, m.Y, b.X, b.Y, Rgb(150, 150, 150));
}

void Door(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.10, 0.02}, {0.70, 0.98}, {Rgb(40, 40, 50), Rgb(20, 20, 20)});
    Shape(c, box, {{0.10, 0.02}, {0.48, 0.12}, {0.48, 0.98}, {0.10, 0.98}},
          {Rgb(200, 140, 70), Rgb(100, 60, 20)});
    Box(c, box, {0.38, 0.50}, {0.44, 0.58}, {kGold, Shade(kGold, 0.5)});
    ShaftArrow(c,
               {At(box, {0.50, 0.34}).X, At(box, {0.5, 0.34}).Y, At(box, {1, 0.7}).X + 1,
                At(box, {1, 0.7}).Y + 1},
               dirRight, ink);
}

void BarChart(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.16, 0.50}, {0.34, 0.94}, {Rgb(230, 60, 60), Rgb(110, 20, 20)});
    Box(c, box, {0.42, 0.14}, {0.60, 0.94}, ink);
    Box(c, box, {0.68, 0.34}, {0.86, 0.94}, {Rgb(250, 200, 40), Rgb(130, 90, 0)});
    TPoint o = At(box, {0.04, 0.96});
    TPoint top = At(box, {0.04, 0.02});
    TPoint right = At(box, {0.98, 0.96});
    Line(c, top.X, top.Y, o.X, o.Y, kDarkShadow);
    Line(c, o.X, o.Y, right.X + 1, right.Y, kDarkShadow);
}

void Wrench(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.10, 0.80},
           {0.58, 0.32},
           {0.56, 0.16},
           {0.70, 0.02},
           {0.80, 0.04},
           {0.70, 0.16},
           {0.74, 0.26},
           {0.84, 0.30},
           {0.96, 0.20},
           {0.98, 0.30},
           {0.84, 0.44},
           {0.68, 0.42},
           {0.20, 0.90}},
          ink);
}

void Hammer(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0.70, 0.86}, {0.80, 0.96}, {0.40, 0.56}, {0.30, 0.46}},
          {Rgb(200, 150, 90), Rgb(110, 70, 30)});
    Shape(c, box, {{0.04, 0.30}, {0.34, 0.00}, {0.56, 0.22}, {0.26, 0.52}}, ink);
}

void Grid(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.04, 0.08}, {0.96, 0.92}, kPaper);
    Box(c, box, {0.04, 0.08}, {0.96, 0.28}, ink);
    for (double y : {0.44, 0.60, 0.76}) {
        TPoint a = At(box, {0.04, y});
        TPoint b = At(box, {0.96, y});
        Line(c, a.X, a.Y, b.X, b.Y, Rgb(170, 170, 190));
    }
    TPoint a = At(box, {0.40, 0.28});
    TPoint b = At(box, {0.40, 0.92});
    Line(c, a.X, a.Y, b.X, b.Y, Rgb(170, 170, 190));
}

void Bubble(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.10, 0.04},
           {0.90, 0.04},
           {0.98, 0.14},
           {0.98, 0.62},
           {0.90, 0.72},
           {0.44, 0.72},
           {0.18, 0.96},
           {0.24, 0.72},
           {0.10, 0.72},
           {0.02, 0.62},
           {0.02, 0.14}},
          ink);
    Box(c, box, {0.44, 0.14}, {0.56, 0.24}, {kWhite, kWhite});
    Box(c, box, {0.44, 0.32}, {0.56, 0.62}, {kWhite, kWhite});
}

void Coins(TCanvas& c, const TRect& box, const TInk& ink) {
    // A stack of three coins seen from the side: each a rim under a face, the top one lit.
    for (int i = 0; i < 3; ++i) {
        double y = 0.60 - i * 0.22;
        OvalIn(c, box, {0.06, y + 0.10}, {0.94, y + 0.40}, {ink.Edge, ink.Edge});
        OvalIn(c, box, {0.06, y}, {0.94, y + 0.30}, ink);
    }
    OvalIn(c, box, {0.30, 0.20}, {0.70, 0.30}, {Tint(ink.Fill, 0.6), Tint(ink.Fill, 0.6)});
}

void Banknote(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box, {{0.02, 0.30}, {0.86, 0.18}, {0.98, 0.62}, {0.14, 0.76}},
          {Tint(ink.Fill, 0.4), ink.Edge});
    Shape(c, box, {{0.02, 0.24}, {0.90, 0.24}, {0.90, 0.72}, {0.02, 0.72}}, ink);
    OvalIn(c, box, {0.32, 0.32}, {0.60, 0.64}, {Tint(ink.Fill, 0.6), ink.Edge});
    OvalIn(c, box, {0.56, 0.58}, {0.96, 0.98}, {kGold, Shade(kGold, 0.5)});
}

void Crates(TCanvas& c, const TRect& box, const TInk& ink) {
    const TInk wood = ink;
    auto crate = [&](TUnit a, TUnit b) {
        Box(c, box, a, b, wood);
        TPoint p = At(box, a);
        TPoint q = At(box, b);
        Line(c, p.X + 1, p.Y + 1, q.X, q.Y, wood.Edge);
        Line(c, p.X + 1, q.Y - 1, q.X, p.Y, wood.Edge);
    };
    crate({0.02, 0.52}, {0.48, 0.98});
    crate({0.52, 0.52}, {0.98, 0.98});
    crate({0.27, 0.04}, {0.73, 0.50});
}

void Building(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.12, 0.04}, {0.70, 0.98}, ink);
    Box(c, box, {0.70, 0.40}, {0.92, 0.98}, {Shade(ink.Fill, 0.25), ink.Edge});
    for (double y = 0.12; y < 0.80; y += 0.16)
        for (double x : {0.22, 0.46}) {
            TPoint p = At(box, {x, y});
            Fill(c,
                 ui::Bounds(p.X, p.Y, std::max(2, box.Width() / 8), std::max(2, box.Height() / 12)),
                 Rgb(250, 240, 150));
        }
    Box(c, box, {0.34, 0.80}, {0.48, 0.98}, kDark);
}

void Tray(TCanvas& c, const TRect& box, const TInk& ink) {
    Shape(c, box,
          {{0.02, 0.58},
           {0.24, 0.58},
           {0.32, 0.72},
           {0.68, 0.72},
           {0.76, 0.58},
           {0.98, 0.58},
           {0.98, 0.98},
           {0.02, 0.98}},
          ink);
}

void Scales(TCanvas& c, const TRect& box, const TInk& ink) {
    Box(c, box, {0.46, 0.10}, {0.54, 0.88}, kDark);
    Box(c, box, {0.26, 0.88}, {0.74, 0.98}, kDark);
    Box(c, box, {0.06, 0.12}, {0.94, 0.18}, kDark);
    Shape(c, box, {{0.00, 0.50}, {0.36, 0.50}, {0.30, 0.62}, {0.06, 0.62}}, ink);
    Shape(c, box, {{0.64, 0.42}, {1.00, 0.42}, {0.94, 0.54}, {0.70, 0.54}}, ink);
    for (double x : {0.06, 0.30}) {
        TPoint a = At(box, {0.18, 0.16});
        TPoint b = At(box, {x, 0.50});
        Line(c, a.X, a.Y, b.X, b.Y, kDarkShadow);
    }
    for (double x : {0.70, 0.94}) {
        TPoint a = At(box, {0.82, 0.16});
        TPoint b = At(box, {x, 0.42});
        Line(c, a.X, a.Y, b.X, b.Y, kDarkShadow);
    }
}

} // namespace skinart
