// The gauge: progress kept inside its range whatever is asked of it, the percentage it shows,
// repainting only when that percentage changes, and the bar's colours on screen.
#include <gtest/gtest.h>

#include <climits>

#include "control_host.h"
#include "platform/ui/stdctrls/gauge.h"

namespace ui::testing {
namespace {

struct TGaugeCase {
    const char* Name;
    int Min, Max, Progress;
    int ExpectedProgress, ExpectedPercent;
};

class GaugeValues : public ::testing::TestWithParam<TGaugeCase> {};

TEST_P(GaugeValues, AreClampedToTheRange) {
    const TGaugeCase& c = GetParam();
    TGauge gauge(nullptr);
    gauge.SetMaxValue(c.Max);
    gauge.SetMinValue(c.Min);
    gauge.SetProgress(c.Progress);
    EXPECT_EQ(gauge.Progress(), c.ExpectedProgress);
    EXPECT_EQ(gauge.PercentDone(), c.ExpectedPercent);
}

INSTANTIATE_TEST_SUITE_P(
    Gauge, GaugeValues,
    ::testing::Values(TGaugeCase{"Inside", 0, 200, 50, 50, 25},
                      TGaugeCase{"AboveMaximum", 0, 7, 9, 7, 100},
                      TGaugeCase{"BelowMinimum", 10, 20, 3, 10, 0},
                      TGaugeCase{"EmptyRange", 5, 5, 5, 5, 0},
                      TGaugeCase{"RoundsDown", 0, 3, 2, 2, 66},
                      TGaugeCase{"WholeIntRange", INT_MIN, INT_MAX, INT_MAX, INT_MAX, 100},
                      TGaugeCase{"LargeRangeNoOverflow", 0, INT_MAX, INT_MAX / 2, INT_MAX / 2, 49}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Gauge, MaximumBelowProgressTakesTheProgressDown) {
    TGauge gauge(nullptr);
    gauge.SetProgress(80);
    gauge.SetMaxValue(30);
    EXPECT_EQ(gauge.Progress(), 30);
    gauge.SetMinValue(50); // a minimum above the maximum moves the maximum up with it
    EXPECT_EQ(gauge.MaxValue(), 50);
    EXPECT_EQ(gauge.Progress(), 50);
    gauge.AddProgress(INT_MAX);
    EXPECT_EQ(gauge.Progress(), 50);
}

class TCountingGauge : public TGauge {
public:
    using TGauge::TGauge;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TGauge::Paint();
    }
};

TEST(Gauge, RepaintsAtOnceOnlyWhenItsShownPercentageChanges) {
    test::TControlHost host;
    auto& gauge = host.Place<TCountingGauge>(10, 10, 200, 20);
    gauge.SetMaxValue(1000);
    host.Snapshot();
    int before = gauge.Paints;
    gauge.SetProgress(5); // still 0%
    EXPECT_EQ(gauge.Paints, before);
    gauge.SetProgress(10); // 1%, painted without the message loop running
    EXPECT_EQ(gauge.Paints, before + 1);
    gauge.SetProgress(19);
    gauge.SetProgress(1500); // clamped to the maximum: 100%
    EXPECT_EQ(gauge.Paints, before + 2);
    gauge.SetProgress(1000);
    EXPECT_EQ(gauge.Paints, before + 2);
}

TEST(Gauge, BarFillsItsShareInTheForeColourInsideTheBorder) {
    test::TControlHost host;
    auto& gauge = host.Place<TGauge>(10, 10, 102, 20);
    gauge.SetShowText(false);
    gauge.SetForeColor(clNavy);
    gauge.SetBackColor(clSilver);
    gauge.SetProgress(30);
    TBitmap picture = host.Snapshot();
    EXPECT_EQ(picture.Canvas().Pixel(10, 10), ColorToRGB(clWindowFrame));
    EXPECT_EQ(picture.Canvas().Pixel(11, 15), ColorToRGB(clNavy));
    EXPECT_EQ(picture.Canvas().Pixel(40, 15), ColorToRGB(clNavy)); // 30 of 100 inner pixels
    EXPECT_EQ(picture.Canvas().Pixel(41, 15), ColorToRGB(clSilver));
    gauge.SetBorderStyle(bsNone);
    picture = host.Snapshot();
    EXPECT_EQ(picture.Canvas().Pixel(10, 10), ColorToRGB(clNavy));
    EXPECT_EQ(picture.Canvas().Pixel(111, 29), ColorToRGB(clSilver));
}

} // namespace
} // namespace ui::testing
