// The gradient bands: the first line has the start colour, every line is one colour from edge
// to edge, the last line stops one step short of the end colour, and equal colours fill solid.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "toolkit/forms/gradient_fill.h"

namespace tk {
namespace {

struct TGradientCase {
    const char* Name;
    bool Vertical;
    ui::TRect Area;
    ui::TColor Start;
    ui::TColor End;
    // Expected colours of the first, second and last line, worked out by hand.
    ui::TColorRef First;
    ui::TColorRef Second;
    ui::TColorRef Last;
};

const TGradientCase GradientCases[] = {
    // Steps of 25, 50 and 10 per line: the last line is one step short of the end.
    {"rising_columns", false, {2, 1, 6, 5}, 0x000000, 0x28C864, 0x000000, 0x0A3219, 0x1E964B},
    // -200/3 per line rounds up: 200 - 66 = 134, 200 - 133 = 67.
    {"falling_columns", false, {0, 0, 3, 4}, 0x0000C8, 0x000000, 0x0000C8, 0x000086, 0x000043},
    {"rising_rows", true, {1, 3, 5, 7}, 0x000000, 0x28C864, 0x000000, 0x0A3219, 0x1E964B},
    // A system colour is resolved first: the button face (192 grey) halfway to black.
    {"system_colour", false, {0, 0, 2, 2}, ui::clBtnFace, 0x000000, 0xC0C0C0, 0x606060, 0x606060},
};

class GradientFill : public ::testing::TestWithParam<TGradientCase> {};

TEST_P(GradientFill, LinesRunFromTheStartColourToOneStepShortOfTheEnd) {
    const TGradientCase& c = GetParam();
    ui::TBitmap picture(10, 10);
    ui::TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(ui::clWhite);
    canvas.FillRect({0, 0, 10, 10});
    (c.Vertical ? FillGradientV : FillGradientH)(canvas, c.Area, c.Start, c.End);

    int lines = c.Vertical ? c.Area.Height() : c.Area.Width();
    int across = c.Vertical ? c.Area.Width() : c.Area.Height();
    auto at = [&](int line, int offset) {
        return c.Vertical ? canvas.Pixel(c.Area.Left + offset, c.Area.Top + line)
                          : canvas.Pixel(c.Area.Left + line, c.Area.Top + offset);
    };
    for (int offset = 0; offset < across; ++offset) {
        EXPECT_EQ(at(0, offset), ui::TColor(c.First));
        EXPECT_EQ(at(1, offset), ui::TColor(c.Second));
        EXPECT_EQ(at(lines - 1, offset), ui::TColor(c.Last));
    }
    // Nothing outside the rectangle: the lines leave their end points out.
    int outside = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (!c.Area.Contains({x, y}) && canvas.Pixel(x, y) != ui::clWhite)
                ++outside;
    EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, GradientFill, ::testing::ValuesIn(GradientCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(GradientFillSolid, EqualColoursFillTheWholeRectangleWithOneColour) {
    for (bool vertical : {false, true}) {
        ui::TBitmap picture(6, 6);
        ui::TCanvas& canvas = picture.Canvas();
        canvas.Brush().SetColor(ui::clWhite);
        canvas.FillRect({0, 0, 6, 6});
        (vertical ? FillGradientV : FillGradientH)(canvas, {1, 1, 5, 5}, 0x78695C, 0x78695C);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                bool inside = x >= 1 && x < 5 && y >= 1 && y < 5;
                EXPECT_EQ(canvas.Pixel(x, y), inside ? 0x78695C : ui::clWhite)
                    << "vertical " << vertical << " at " << x << "," << y;
            }
    }
}

TEST(GradientFillSolid, AnEmptyRectangleDrawsNothing) {
    ui::TBitmap picture(4, 4);
    ui::TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(ui::clWhite);
    canvas.FillRect({0, 0, 4, 4});
    FillGradientH(canvas, {2, 0, 2, 4}, 0, 0xFFFFFF);
    FillGradientV(canvas, {0, 3, 4, 3}, 0, 0xFFFFFF);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(canvas.Pixel(x, y), ui::clWhite);
}

} // namespace
} // namespace tk
