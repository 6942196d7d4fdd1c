// The glyph button's layout: margin and spacing given or shared (-1), the four glyph sides,
// and captions measured with "#" as a line break.
#include <gtest/gtest.h>

#include "buttons_fixture.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/controls/mbutton_layout.h"

namespace tk::test {
namespace {

struct TPlacementCase {
    const char* Name;
    ui::TSize Client;
    ui::TSize Glyph;
    ui::TSize Text;
    TButtonLayout Layout;
    int Margin;
    int Spacing;
    ui::TPoint GlyphPos;
    ui::TPoint TextPos;
};

class Placement : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(Placement, PutsGlyphAndText) {
    const TPlacementCase& c = GetParam();
    TButtonPlacement p =
        PlaceGlyphAndText(c.Client, c.Glyph, c.Text, c.Layout, c.Margin, c.Spacing);
    EXPECT_EQ(p.GlyphPos, c.GlyphPos);
    EXPECT_EQ(p.TextPos, c.TextPos);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonLayout, Placement,
    ::testing::Values(
        // Both shared: (48 - 16 - 20) div 3 = 4 before, between and after.
        TPlacementCase{"SharedMarginAndSpacing",
                       {48, 30},
                       {16, 16},
                       {20, 10},
                       blGlyphLeft,
                       -1,
                       -1,
                       {4, 7},
                       {24, 10}},
        // Margin -1 alone centres 16 + 5 + 20 in 60: 30 - 41 div 2 = 10.
        TPlacementCase{"CentredWithSpacing",
                       {60, 30},
                       {16, 16},
                       {20, 10},
                       blGlyphLeft,
                       -1,
                       5,
                       {10, 7},
                       {31, 10}},
        // Spacing -1 alone: the text is centred in what the margin and the glyph leave.
        TPlacementCase{"SharedSpacingOnly",
                       {60, 30},
                       {16, 16},
                       {20, 10},
                       blGlyphLeft,
                       2,
                       -1,
                       {2, 7},
                       {29, 10}},
        TPlacementCase{"GivenMarginAndSpacing",
                       {60, 30},
                       {16, 16},
                       {20, 10},
                       blGlyphLeft,
                       3,
                       2,
                       {3, 7},
                       {21, 10}},
        TPlacementCase{
            "GlyphRight", {60, 30}, {16, 16}, {20, 10}, blGlyphRight, 3, 2, {41, 7}, {19, 10}},
        // The wizard's next button: 65 x 49 inside, a 10 x 17 arrow above "Continua".
        TPlacementCase{
            "GlyphTop", {65, 49}, {10, 17}, {46, 13}, blGlyphTop, -1, 5, {27, 7}, {9, 29}},
        TPlacementCase{
            "GlyphBottom", {65, 49}, {10, 17}, {46, 13}, blGlyphBottom, 4, 5, {27, 28}, {9, 10}},
        // Without text or without glyph there is nothing to space apart.
        TPlacementCase{
            "NoTextNoSpacing", {40, 20}, {16, 16}, {0, 0}, blGlyphLeft, -1, 5, {12, 2}, {28, 10}},
        TPlacementCase{
            "NoGlyphNoSpacing", {40, 20}, {0, 0}, {20, 10}, blGlyphLeft, -1, 5, {10, 10}, {10, 5}},
        // Halves are truncated each on its own: 14 div 2 - 3 div 2 = 6, not 11 div 2.
        TPlacementCase{
            "SeparateHalves", {30, 14}, {5, 5}, {9, 3}, blGlyphLeft, 0, 0, {0, 5}, {5, 6}},
        // A glyph larger than the client gives negative places, not a failure.
        TPlacementCase{"GlyphLargerThanClient",
                       {10, 10},
                       {16, 16},
                       {0, 0},
                       blGlyphLeft,
                       -1,
                       -1,
                       {-3, -3},
                       {13, 5}}),
    [](const ::testing::TestParamInfo<TPlacementCase>& info) { return info.param.Name; });

TEST_F(ButtonsTest, AHashCaptionIsMeasuredAsTwoLinesAndBeepsEachTime) {
    ui::TBitmap paper(200, 100);
    ui::TCanvas& canvas = paper.Canvas();
    ui::TRect oneLine{0, 0, 200, 0};
    ui::DrawText(canvas, "Cauta", oneLine, ui::DT_CALCRECT);

    int before = ui::BeepCount();
    ui::TSize twoLines = MeasureButtonCaption(canvas, "Cauta#Date", 200);
    EXPECT_EQ(twoLines.cy, 2 * oneLine.Height());
    EXPECT_EQ(ui::BeepCount(), before + 1);
    MeasureButtonCaption(canvas, "Cauta#Date", 200);
    EXPECT_EQ(ui::BeepCount(), before + 2);

    // A lone "#" stays a character on one line; a caption without one is silent.
    EXPECT_EQ(MeasureButtonCaption(canvas, "#", 200).cy, oneLine.Height());
    EXPECT_EQ(ui::BeepCount(), before + 3);
    EXPECT_EQ(MeasureButtonCaption(canvas, "Cauta", 200),
              (ui::TSize{oneLine.Width(), oneLine.Height()}));
    EXPECT_EQ(MeasureButtonCaption(canvas, "", 200), ui::TSize{});
    EXPECT_EQ(ui::BeepCount(), before + 3);
}

TEST_F(ButtonsTest, LayoutMovesByTheClientCornerAndMeasuresTheAccelCaptionWithoutItsAmpersand) {
    ui::TBitmap paper(200, 100);
    ui::TCanvas& canvas = paper.Canvas();
    TButtonLayoutResult plain =
        CalcButtonLayout(canvas, {0, 0, 100, 40}, "Continua", blGlyphLeft, -1, 4, {16, 16});
    TButtonLayoutResult moved =
        CalcButtonLayout(canvas, {7, 3, 107, 43}, "&Continua", blGlyphLeft, -1, 4, {16, 16});
    EXPECT_EQ(moved.GlyphPos, (ui::TPoint{plain.GlyphPos.X + 7, plain.GlyphPos.Y + 3}));
    EXPECT_EQ(moved.TextBounds, ui::OffsetRect(plain.TextBounds, 7, 3));
    EXPECT_EQ(moved.TextBounds.Left, moved.GlyphPos.X + 16 + 4);
}

} // namespace
} // namespace tk::test
