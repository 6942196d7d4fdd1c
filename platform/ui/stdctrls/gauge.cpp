#include "platform/ui/stdctrls/gauge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/ui/graphics/draw_text.h"

namespace ui {

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csFramed | csOpaque;
    SetBounds(Left(), Top(), 100, 100);
}

void TGauge::SetKind(TGaugeKind value) {
    if (kind_ == value)
        return;
    kind_ = value;
    Refresh();
}

void TGauge::SetValues(int minValue, int maxValue, int progress) {
    int shownBefore = PercentDone();
    minValue_ = minValue;
    maxValue_ = std::max(maxValue, minValue_);
    progress_ = std::clamp(progress, minValue_, maxValue_);
    if (PercentDone() != shownBefore)
        Refresh();
}

void TGauge::SetMinValue(int value) {
    if (value == minValue_)
        return;
    // A minimum above the maximum takes the maximum along, as the range must stay ordered.
    SetValues(value, std::max(value, maxValue_), progress_);
}

void TGauge::SetMaxValue(int value) {
    if (value == maxValue_)
        return;
    SetValues(std::min(value, minValue_), value, progress_);
}

void TGauge::SetProgress(int value) {
    SetValues(minValue_, maxValue_, value);
}

void TGauge::AddProgress(int value) {
    int64_t sum = int64_t(progress_) + value;
    SetProgress(int(std::clamp<int64_t>(sum, minValue_, maxValue_)));
}

int TGauge::PercentDone() const {
    int64_t range = int64_t(maxValue_) - minValue_;
    if (range <= 0)
        return 0;
    return int((int64_t(progress_) - minValue_) * 100 / range);
}

void TGauge::SetForeColor(TColor value) {
    if (foreColor_ == value)
        return;
    foreColor_ = value;
    Refresh();
}

void TGauge::SetBackColor(TColor value) {
    if (backColor_ == value)
        return;
    backColor_ = value;
    Refresh();
}

void TGauge::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    Refresh();
}

void TGauge::SetShowText(bool value) {
    if (showText_ == value)
        return;
    showText_ = value;
    Refresh();
}

void TGauge::Paint() {
    TCanvas& canvas = Canvas();
    TRect inside = ClientRect();
    if (borderStyle_ == bsSingle) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(inside);
        inside = InflateRect(inside, -1, -1);
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(backColor_);
    canvas.FillRect(inside);
    TRect filled{inside.Left, inside.Top, inside.Left, inside.Top};
    switch (kind_) {
    case gkText:
        break;
    case gkHorizontalBar:
    case gkVerticalBar:
        PaintBar(canvas, inside, filled);
        break;
    case gkPie:
    case gkNeedle:
        PaintRound(canvas, inside);
        break;
    }
    if (showText_ && kind_ != gkNeedle)
        PaintPercentText(canvas, inside, filled);
}

void TGauge::PaintBar(TCanvas& canvas, const TRect& inside, TRect& filled) {
    int percent = PercentDone();
    filled = inside;
    if (kind_ == gkHorizontalBar)
        filled.Right = inside.Left + int(int64_t(inside.Width()) * percent / 100);
    else
        filled.Top = inside.Bottom - int(int64_t(inside.Height()) * percent / 100);
    canvas.Brush().SetColor(foreColor_);
    canvas.FillRect(filled);
}

void TGauge::PaintRound(TCanvas& canvas, const TRect& inside) {
    canvas.Pen().SetColor(foreColor_);
    canvas.Brush().SetColor(backColor_);
    int cx = (inside.Left + inside.Right) / 2;
    int rx = inside.Width() / 2;
    if (kind_ == gkPie) {
        int cy = (inside.Top + inside.Bottom) / 2;
        int ry = inside.Height() / 2;
        canvas.Ellipse(inside);
        // The done part, clockwise from twelve o'clock, as a polygon of one-degree steps.
        int degrees = PercentDone() * 360 / 100;
        if (degrees == 0)
            return;
        std::vector<TPoint> points{{cx, cy}};
        for (int a = 0; a <= degrees; ++a) {
            double rad = a * std::numbers::pi / 180.0;
            points.push_back({cx + int(std::lround(rx * std::sin(rad))),
                              cy - int(std::lround(ry * std::cos(rad)))});
        }
        canvas.Brush().SetColor(foreColor_);
        canvas.Polygon(points);
        return;
    }
    // Needle: a half dial with the needle sweeping from left (0%) to right (100%).
    int cy = inside.Bottom - 1;
    int ry = inside.Height() - 1;
    canvas.Ellipse(inside.Left, inside.Top, inside.Right, inside.Bottom + inside.Height());
    double rad = std::numbers::pi * (1.0 - PercentDone() / 100.0);
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx + int(std::lround(rx * std::cos(rad))),
                  cy - int(std::lround(ry * std::sin(rad))));
}

void TGauge::PaintPercentText(TCanvas& canvas, const TRect& inside, const TRect& filled) {
    // The text is drawn in the fore colour over the empty part and in the back colour over
    // the filled part, so it stays readable wherever the bar ends.
    std::string text = std::to_string(PercentDone()) + "%";
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    TCanvas::TClipState clip = canvas.SaveClip();
    auto drawIn = [&](const TRect& area, TColor color) {
        if (area.Width() <= 0 || area.Height() <= 0)
            return;
        canvas.IntersectClipRect(area);
        canvas.Font().SetColor(color);
        TRect r = inside;
        DrawText(canvas, text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        canvas.RestoreClip(clip);
    };
    drawIn(filled, backColor_);
    TRect rest = inside;
    if (kind_ == gkVerticalBar)
        rest.Bottom = filled.Top;
    else if (kind_ == gkHorizontalBar)
        rest.Left = filled.Right;
    drawIn(rest, foreColor_);
    canvas.Brush().SetStyle(bsSolid);
}

} // namespace ui
