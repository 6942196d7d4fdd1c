#include "platform/ui/stdctrls/bevel.h"

namespace ui {

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csReplicatable;
    SetBounds(Left(), Top(), 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    if (shape_ == value)
        return;
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& canvas = Canvas();
    TColor topLeft = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor bottomRight = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Pen().SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    // A rectangle whose right and bottom edges are at r.Right and r.Bottom (inclusive).
    auto box = [&](const TRect& r, TColor first, TColor second) {
        canvas.Pen().SetColor(first);
        canvas.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        canvas.Pen().SetColor(second);
        canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}});
    };
    canvas.Pen().SetWidth(1);
    int w = Width();
    int h = Height();
    switch (shape_) {
    case bsBox:
        box({0, 0, w - 1, h - 1}, topLeft, bottomRight);
        break;
    case bsFrame:
        // Two boxes one pixel apart give the etched (or embossed) groove.
        box({1, 1, w - 1, h - 1}, bottomRight, bottomRight);
        box({0, 0, w - 2, h - 2}, topLeft, topLeft);
        break;
    case bsTopLine:
        line(topLeft, 0, 0, w, 0);
        line(bottomRight, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(topLeft, 0, h - 2, w, h - 2);
        line(bottomRight, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(topLeft, 0, 0, 0, h);
        line(bottomRight, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(topLeft, w - 2, 0, w - 2, h);
        line(bottomRight, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

} // namespace ui
