// The formatted label on screen: colours and sizes from the markup, the shadow one pixel right
// and down, growth to fit (the widest line when centred, the sum of the lines otherwise),
// self-placement in the parent, blinking segments, and bad markup drawn without harm.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ui/stdctrls/control_host.h"
#include "toolkit/controls/fmt_label.h"
#include "toolkit/forms/titles_test_support.h"

namespace tk {
namespace {

using ui::test::TControlHost;

class FmtLabel : public ::testing::Test {
protected:
    void SetUp() override { StartToolkit(); }

    TFmtLabel& Place(TControlHost& host, const std::string& caption, int width = 10,
                     int height = 5) {
        auto& label = host.Place<TFmtLabel>(10, 10, width, height);
        label.SetAutoSize(false);
        label.Font().SetColor(ui::clBlack);
        label.SetCaption(caption);
        return label;
    }
};

ui::TRect Area(TFmtLabel& label) {
    return label.BoundsRect();
}

ui::TCanvas::TTextMetric Metrics(const ui::TFont& font, const std::string& text, int& width) {
    static ui::TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(font);
    width = scratch.Canvas().TextWidth(text);
    return scratch.Canvas().TextMetrics();
}

TEST_F(FmtLabel, AColourCodeDrawsTheFollowingTextInThatColour) {
    TControlHost host;
    auto& label = Place(host, "@9Rosu");
    ui::TBitmap picture = host.Snapshot();
    EXPECT_GT(test::CountColor(picture, Area(label), ui::clRed), 0);
    EXPECT_EQ(test::CountColor(picture, Area(label), ui::clBlack), 0);
}

TEST_F(FmtLabel, SizeAndStyleCodesMakeTheLabelGrowToTheirFont) {
    TControlHost host;
    auto& label = Place(host, "&14$2Mare");
    host.Snapshot();
    ui::TFont big = label.Font();
    big.SetSize(14);
    big.SetStyle(ui::fsBold);
    int width = 0;
    ui::TCanvas::TTextMetric metric = Metrics(big, "Mare", width);
    EXPECT_EQ(label.Width(), width);
    EXPECT_EQ(label.Height(), metric.tmHeight);
}

TEST_F(FmtLabel, AShadowLiesOnePixelRightAndDownOfTheText) {
    TControlHost host;
    auto& label = Place(host, "%\xFC");
    label.Font().SetName("Wingdings");
    label.Font().SetSize(16);
    label.Font().SetColor(ui::clRed);
    ui::TBitmap picture = host.Snapshot();
    ui::TRect area = Area(label);
    ui::TColor shadow = ui::TColor(ui::ColorToRGB(ui::clBtnShadow));
    int shadows = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (picture.Canvas().Pixel(x, y) == shadow) {
                ++shadows;
                EXPECT_EQ(picture.Canvas().Pixel(x - 1, y - 1), ui::clRed) << x << "," << y;
            }
    EXPECT_GT(shadows, 0);
    EXPECT_GT(test::CountColor(picture, area, ui::clRed), 0);
}

struct TGrowCase {
    const char* Name;
    ui::TAlignment Alignment;
    int StartWidth;
    bool WidestLine; // else the sum of the lines
};

const TGrowCase GrowCases[] = {
    {"left_sums_the_lines", ui::taLeftJustify, 10, false},
    {"right_sums_the_lines", ui::taRightJustify, 10, false},
    {"centre_takes_the_widest", ui::taCenter, 10, true},
    {"never_shrinks", ui::taLeftJustify, 500, false},
};

class FmtLabelGrowth : public FmtLabel, public ::testing::WithParamInterface<TGrowCase> {};

TEST_P(FmtLabelGrowth, GrowsToTheNeededSize) {
    const TGrowCase& c = GetParam();
    TControlHost host(600, 200);
    auto& label = Place(host, "Unu doi\rPatru cinci sase", c.StartWidth, 5);
    label.SetAlignment(c.Alignment);
    host.Snapshot();
    int first = 0;
    int second = 0;
    ui::TCanvas::TTextMetric metric = Metrics(label.Font(), "Unu doi", first);
    Metrics(label.Font(), "Patru cinci sase", second);
    int needed = c.WidestLine ? std::max(first, second) : first + second;
    EXPECT_EQ(label.Width(), std::max(needed, c.StartWidth));
    EXPECT_EQ(label.Height(), 2 * metric.tmHeight);
}

INSTANTIATE_TEST_SUITE_P(Cases, FmtLabelGrowth, ::testing::ValuesIn(GrowCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TPlaceCase {
    const char* Name;
    TMAlign Align;
    int Left, Top; // for a 40 x 20 label in a 320 x 200 parent placed at (10, 10)
};

const TPlaceCase PlaceCases[] = {
    {"none", alMNone, 10, 10}, {"top", alMTop, 10, 1},       {"bottom", alMBottom, 10, 179},
    {"left", alMLeft, 1, 10},  {"right", alMRight, 278, 10}, {"centre", alMCenter, 140, 90},
};

class FmtLabelPlacement : public FmtLabel, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(FmtLabelPlacement, PlacesItselfInItsParent) {
    const TPlaceCase& c = GetParam();
    TControlHost host(320, 200);
    auto& label = Place(host, "x", 40, 20);
    label.SetAlign(c.Align);
    host.Snapshot();
    EXPECT_EQ(label.Left(), c.Left);
    EXPECT_EQ(label.Top(), c.Top);
}

INSTANTIATE_TEST_SUITE_P(Cases, FmtLabelPlacement, ::testing::ValuesIn(PlaceCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FmtLabel, ABlinkingSegmentHidesAndShowsAtEachTick) {
    TControlHost host;
    auto& label = Place(host, "a~@9Clipeste~@0b");
    ui::TBitmap shown = host.Snapshot();
    ui::TRect area = Area(label);
    int red = test::CountColor(shown, area, ui::clRed);
    int black = test::CountColor(shown, area, ui::clBlack);
    ASSERT_GT(red, 0);
    ASSERT_EQ(label.BlinkList().size(), 1u);
    TBlinkObj& blink = *label.BlinkList()[0];
    EXPECT_EQ(blink.Timer->Interval(), 300u);
    EXPECT_EQ(blink.aText, "Clipeste");
    EXPECT_FALSE(blink.BlinkOn());
    int expected[] = {0, red, 0};
    for (int tick : expected) {
        blink.Timer->OnTimer(blink.Timer);
        ui::TBitmap picture;
        ui::SnapshotWindow(host.Form().Handle(), picture);
        EXPECT_EQ(test::CountColor(picture, area, ui::clRed), tick);
        EXPECT_EQ(test::CountColor(picture, area, ui::clBlack), black);
    }
}

TEST_F(FmtLabel, EveryPaintReplacesTheBlinkObjectsOfThePreviousOne) {
    TControlHost host;
    auto& label = Place(host, "~unu~ doi ~trei");
    host.Snapshot();
    ASSERT_EQ(label.BlinkList().size(), 2u);
    label.Invalidate();
    host.Snapshot();
    EXPECT_EQ(label.BlinkList().size(), 2u);
    label.Elibereaza_BlinkList();
    EXPECT_TRUE(label.BlinkList().empty());
}

TEST_F(FmtLabel, BadMarkupIsDrawnWithoutHarm) {
    const std::string captions[] = {"@99Text",
                                    "@",
                                    "&",
                                    "$",
                                    "\\",
                                    "x\\",
                                    "@65535&0$99%~\r\r",
                                    "&300Mare",
                                    std::string(200, '@')};
    for (const std::string& caption : captions) {
        TControlHost host;
        auto& label = Place(host, caption);
        host.Snapshot();
        EXPECT_GE(label.Width(), 10) << caption;
    }
}

} // namespace
} // namespace tk
