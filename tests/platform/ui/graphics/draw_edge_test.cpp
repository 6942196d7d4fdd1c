// Three-dimensional edges: which system colour each line takes, and how the rectangle adjusts.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/draw_edge.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::Picture;

constexpr int kNone = -1;

struct EdgeCase {
    const char* Name;
    unsigned Edge;
    int OuterTopLeft, InnerTopLeft, OuterBottomRight, InnerBottomRight; // COLOR_* or kNone
};

class DrawEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TColor Sys(int index) {
    return TColor(GetSysColor(index));
}

TEST_P(DrawEdgeTest, PaintsEachLineInItsSystemColour) {
    const EdgeCase c = GetParam();
    TBitmap bitmap = Blank(10, 10, clRed);
    TCanvas& canvas = bitmap.Canvas();
    TRect r{0, 0, 10, 10};
    EXPECT_TRUE(DrawEdge(canvas, r, c.Edge, BF_RECT));
    EXPECT_EQ(r, (TRect{0, 0, 10, 10})) << "without BF_ADJUST the rectangle stays";
    auto expect = [&](int x, int y, int index) {
        EXPECT_EQ(canvas.Pixel(x, y), index == kNone ? clRed : Sys(index))
            << c.Name << " at " << x << "," << y << "\n"
            << Picture(bitmap, clRed);
    };
    for (int i = 1; i < 9; ++i) {
        expect(i, 0, c.OuterTopLeft);
        expect(0, i, c.OuterTopLeft);
        expect(i, 9, c.OuterBottomRight);
        expect(9, i, c.OuterBottomRight);
    }
    for (int i = 2; i < 8; ++i) {
        expect(i, 1, c.InnerTopLeft);
        expect(1, i, c.InnerTopLeft);
        expect(i, 8, c.InnerBottomRight);
        expect(8, i, c.InnerBottomRight);
    }
    expect(5, 5, kNone);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DrawEdgeTest,
    ::testing::Values(EdgeCase{"Raised", EDGE_RAISED, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT,
                               COLOR_3DDKSHADOW, COLOR_BTNSHADOW},
                      EdgeCase{"Sunken", EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_3DDKSHADOW,
                               COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT},
                      EdgeCase{"Etched", EDGE_ETCHED, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
                               COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
                      EdgeCase{"Bump", EDGE_BUMP, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW,
                               COLOR_3DLIGHT},
                      // A lone inner edge takes the outer line's place.
                      EdgeCase{"RaisedInner", BDR_RAISEDINNER, COLOR_BTNHIGHLIGHT, kNone,
                               COLOR_BTNSHADOW, kNone},
                      EdgeCase{"SunkenOuter", BDR_SUNKENOUTER, COLOR_BTNSHADOW, kNone,
                               COLOR_BTNHIGHLIGHT, kNone}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DrawEdgeFlags, AdjustShrinksByTheLinesDrawnOnTheFlaggedSides) {
    struct {
        unsigned Edge, Flags;
        TRect After;
    } cases[] = {{EDGE_RAISED, BF_RECT | BF_ADJUST, {2, 2, 18, 18}},
                 {BDR_RAISEDINNER, BF_RECT | BF_ADJUST, {1, 1, 19, 19}},
                 {EDGE_SUNKEN, BF_TOPLEFT | BF_ADJUST, {2, 2, 20, 20}},
                 {EDGE_SUNKEN, BF_BOTTOMRIGHT | BF_ADJUST, {0, 0, 18, 18}}};
    for (auto c : cases) {
        TBitmap bitmap = Blank(20, 20, clRed);
        TRect r{0, 0, 20, 20};
        DrawEdge(bitmap.Canvas(), r, c.Edge, c.Flags);
        EXPECT_EQ(r, c.After);
    }
}

TEST(DrawEdgeFlags, MiddleFillsTheInsideWithTheButtonFace) {
    TBitmap bitmap = Blank(12, 12, clRed);
    TRect r{0, 0, 12, 12};
    DrawEdge(bitmap.Canvas(), r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 10; ++x)
            ASSERT_EQ(bitmap.Canvas().Pixel(x, y), TColor(ColorToRGB(clBtnFace)));
}

TEST(DrawEdgeFlags, OnlyTheFlaggedSidesAreDrawn) {
    TBitmap bitmap = Blank(10, 10, clRed);
    TRect r{0, 0, 10, 10};
    DrawEdge(bitmap.Canvas(), r, EDGE_SUNKEN, BF_LEFT | BF_TOP);
    EXPECT_EQ(bitmap.Canvas().Pixel(5, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 5), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(bitmap.Canvas().Pixel(5, 9), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(9, 5), clRed);
}

TEST(DrawEdgeFlags, RaisedAndSunkenTogetherIsNoEdge) {
    TBitmap bitmap = Blank(10, 10, clRed);
    TRect r{0, 0, 10, 10};
    EXPECT_FALSE(DrawEdge(bitmap.Canvas(), r, BDR_RAISEDOUTER | BDR_SUNKENOUTER,
                          BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(test::PixelsOf(bitmap, clRed).size(), 100u);
    EXPECT_EQ(r, (TRect{0, 0, 10, 10}));
}

TEST(DrawEdgeFlags, KeepsTheCanvasPenAndBrush) {
    TBitmap bitmap = Blank(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clLime);
    canvas.Brush().SetColor(clAqua);
    canvas.MoveTo(3, 4);
    TRect r{0, 0, 10, 10};
    DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(canvas.Pen().Color(), clLime);
    EXPECT_EQ(canvas.Brush().Color(), clAqua);
    EXPECT_EQ(canvas.PenPos(), (TPoint{3, 4}));
}

TEST(Frame3DTest, DrawsNestedFramesAndShrinksTheRectangle) {
    TBitmap bitmap = Blank(10, 10, clRed);
    TRect r{0, 0, 10, 10};
    Frame3D(bitmap.Canvas(), r, clWhite, clBlack, 2);
    EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(1, 1), clWhite);
    EXPECT_EQ(canvas.Pixel(9, 9), clBlack);
    EXPECT_EQ(canvas.Pixel(8, 8), clBlack);
    EXPECT_EQ(canvas.Pixel(9, 0), clBlack); // the top-right corner belongs to the dark side
    EXPECT_EQ(canvas.Pixel(0, 9), clBlack); // and so does the bottom-left one
    EXPECT_EQ(canvas.Pixel(5, 5), clRed);
}

} // namespace
} // namespace ui
