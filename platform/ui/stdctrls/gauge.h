#pragma once
// TGauge: a windowless progress gauge. Progress is kept between MinValue and MaxValue; the
// gauge repaints at once, and only, when the percentage it shows changes, so that a long
// operation that does not pump messages still shows its progress.
#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/controls/win_control.h"

namespace ui {

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);

    TGaugeKind Kind() const { return kind_; }
    void SetKind(TGaugeKind value);
    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Progress() const { return progress_; }
    void SetProgress(int value);
    void AddProgress(int value);
    // The whole percentage of the range that Progress has reached (0 for an empty range).
    int PercentDone() const;

    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor value);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool ShowText() const { return showText_; }
    void SetShowText(bool value);

protected:
    void Paint() override;

private:
    // Sets the three values in order and repaints when the shown percentage changed.
    void SetValues(int minValue, int maxValue, int progress);
    void PaintBar(TCanvas& canvas, const TRect& inside, TRect& filled);
    void PaintRound(TCanvas& canvas, const TRect& inside);
    void PaintPercentText(TCanvas& canvas, const TRect& inside, const TRect& filled);

    TGaugeKind kind_ = gkHorizontalBar;
    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    TColor foreColor_ = clBlack;
    TColor backColor_ = clWhite;
    TBorderStyle borderStyle_ = bsSingle;
    bool showText_ = true;
};

} // namespace ui
