// The bevel: each shape draws its lines in the shadow and highlight colours, swapped between
// lowered and raised.
#include <gtest/gtest.h>

#include "control_host.h"
#include "platform/ui/stdctrls/bevel.h"

namespace ui::testing {
namespace {

struct TBevelCase {
    const char* Name;
    TBevelShape Shape;
    TBevelStyle Style;
    TPoint At; // in the bevel's coordinates; the bevel is 40 x 30
    TColor Expected;
};

class BevelShapes : public ::testing::TestWithParam<TBevelCase> {};

TEST_P(BevelShapes, DrawTheirLinesInTheEdgeColours) {
    const TBevelCase& c = GetParam();
    test::TControlHost host;
    auto& bevel = host.Place<TBevel>(20, 20, 40, 30);
    bevel.SetShape(c.Shape);
    bevel.SetStyle(c.Style);
    TBitmap picture = host.Snapshot();
    EXPECT_EQ(picture.Canvas().Pixel(20 + c.At.X, 20 + c.At.Y), ColorToRGB(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Bevel, BevelShapes,
    ::testing::Values(
        TBevelCase{"BoxLoweredTopLeft", bsBox, bsLowered, {0, 0}, clBtnShadow},
        TBevelCase{"BoxLoweredBottomRight", bsBox, bsLowered, {39, 29}, clBtnHighlight},
        TBevelCase{"BoxLoweredTopRightCorner", bsBox, bsLowered, {39, 0}, clBtnHighlight},
        TBevelCase{"BoxRaisedTopLeft", bsBox, bsRaised, {0, 15}, clBtnHighlight},
        TBevelCase{"BoxRaisedBottom", bsBox, bsRaised, {20, 29}, clBtnShadow},
        TBevelCase{"BoxInsideUntouched", bsBox, bsLowered, {20, 15}, clWhite},
        TBevelCase{"FrameOuterLowered", bsFrame, bsLowered, {0, 10}, clBtnShadow},
        TBevelCase{"FrameInnerLowered", bsFrame, bsLowered, {1, 10}, clBtnHighlight},
        TBevelCase{"FrameRightLowered", bsFrame, bsLowered, {38, 10}, clBtnShadow},
        TBevelCase{"FrameRightOuterLowered", bsFrame, bsLowered, {39, 10}, clBtnHighlight},
        TBevelCase{"TopLineFirstRow", bsTopLine, bsLowered, {39, 0}, clBtnShadow},
        TBevelCase{"TopLineSecondRow", bsTopLine, bsLowered, {5, 1}, clBtnHighlight},
        TBevelCase{"TopLineNothingBelow", bsTopLine, bsLowered, {5, 2}, clWhite},
        TBevelCase{"BottomLineRaised", bsBottomLine, bsRaised, {5, 28}, clBtnHighlight},
        TBevelCase{"BottomLineRaisedLast", bsBottomLine, bsRaised, {5, 29}, clBtnShadow},
        TBevelCase{"LeftLine", bsLeftLine, bsLowered, {1, 29}, clBtnHighlight},
        TBevelCase{"RightLine", bsRightLine, bsLowered, {38, 0}, clBtnShadow},
        TBevelCase{"SpacerDrawsNothing", bsSpacer, bsLowered, {0, 0}, clWhite}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace ui::testing
