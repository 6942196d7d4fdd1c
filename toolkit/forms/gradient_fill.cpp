#include "toolkit/forms/gradient_fill.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

int ChannelAt(int start, int end, int lines, int i) {
    double step = double(end - start) / lines;
    // Each line rounds its offset up, so a falling channel reaches the end one step late.
    int value = start + int(std::ceil(i * step));
    return std::clamp(value, 0, 255);
}

void FillSolid(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor color) {
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void PrepareLinePen(ui::TCanvas& canvas, ui::TColorRef color) {
    canvas.Pen().SetStyle(ui::psSolid);
    canvas.Pen().SetMode(ui::pmCopy);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(ui::TColor(color));
}

} // namespace

ui::TColorRef GradientLineColor(ui::TColor startColor, ui::TColor endColor, int lines, int i) {
    ui::TColorRef from = ui::ColorToRGB(startColor);
    ui::TColorRef to = ui::ColorToRGB(endColor);
    if (lines <= 0)
        return from;
    return ui::RGB(ChannelAt(ui::GetRValue(from), ui::GetRValue(to), lines, i),
                   ChannelAt(ui::GetGValue(from), ui::GetGValue(to), lines, i),
                   ChannelAt(ui::GetBValue(from), ui::GetBValue(to), lines, i));
}

void FillGradientH(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor startColor,
                   ui::TColor endColor) {
    if (startColor == endColor) {
        FillSolid(canvas, rect, startColor);
        return;
    }
    int lines = rect.Right - rect.Left;
    for (int i = 0; i < lines; ++i) {
        PrepareLinePen(canvas, GradientLineColor(startColor, endColor, lines, i));
        canvas.MoveTo(rect.Left + i, rect.Top);
        canvas.LineTo(rect.Left + i, rect.Bottom);
    }
}

void FillGradientV(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor startColor,
                   ui::TColor endColor) {
    if (startColor == endColor) {
        FillSolid(canvas, rect, startColor);
        return;
    }
    int lines = rect.Bottom - rect.Top;
    for (int i = 0; i < lines; ++i) {
        PrepareLinePen(canvas, GradientLineColor(startColor, endColor, lines, i));
        canvas.MoveTo(rect.Left, rect.Top + i);
        canvas.LineTo(rect.Right, rect.Top + i);
    }
}

} // namespace tk
