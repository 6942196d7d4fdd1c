// Lines, rectangles, polygons and ellipses cover the platform's pixels and no others.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::InkBounds;
using test::Picture;
using test::PixelsOf;

struct LineCase {
    TPoint From, To;
};

class LineToTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineToTest, LeavesOutTheEndPointAndStaysConnected) {
    const LineCase c = GetParam();
    TBitmap bitmap = Blank(24, 24);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(c.From.X, c.From.Y);
    canvas.LineTo(c.To.X, c.To.Y);

    auto ink = PixelsOf(bitmap, clBlack);
    int steps = std::max(std::abs(c.To.X - c.From.X), std::abs(c.To.Y - c.From.Y));
    ASSERT_EQ(int(ink.size()), steps) << Picture(bitmap, clWhite);
    EXPECT_EQ(canvas.Pixel(c.From.X, c.From.Y), clBlack);
    EXPECT_EQ(canvas.Pixel(c.To.X, c.To.Y), clWhite) << Picture(bitmap, clWhite);
    EXPECT_EQ(canvas.PenPos(), c.To);
    // One pixel per step of the major axis, each touching the next.
    std::set<std::pair<int, int>> set;
    for (auto p : ink)
        set.insert({p.X, p.Y});
    for (auto p : ink) {
        if (p == c.From)
            continue;
        bool touches = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                touches |= (dx || dy) && set.count({p.X + dx, p.Y + dy});
        EXPECT_TRUE(touches) << p.X << "," << p.Y << "\n" << Picture(bitmap, clWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, LineToTest,
                         ::testing::Values(LineCase{{2, 5}, {12, 5}}, LineCase{{12, 5}, {2, 5}},
                                           LineCase{{4, 2}, {4, 20}}, LineCase{{4, 20}, {4, 2}},
                                           LineCase{{1, 1}, {11, 11}}, LineCase{{11, 1}, {1, 11}},
                                           LineCase{{2, 3}, {20, 9}}, LineCase{{20, 9}, {2, 3}},
                                           LineCase{{3, 2}, {7, 21}}, LineCase{{7, 21}, {3, 2}}));

TEST(CanvasLines, ConsecutiveLinesOfAPolylineMeetWithoutGapsOrOverlap) {
    // A closed path of lines that leave out their end points paints each corner once: drawn
    // with the XOR pen, nothing cancels out.
    TBitmap bitmap = Blank(12, 12, clBlack);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clWhite);
    canvas.Pen().SetMode(pmXor);
    canvas.Polyline({{1, 1}, {9, 1}, {9, 9}, {1, 9}, {1, 1}});
    EXPECT_EQ(PixelsOf(bitmap, clWhite).size(), 32u) << Picture(bitmap, clBlack);
    for (TPoint corner : {TPoint{1, 1}, TPoint{9, 1}, TPoint{9, 9}, TPoint{1, 9}})
        EXPECT_EQ(canvas.Pixel(corner.X, corner.Y), clWhite);
}

// Which pixels a rectangle call may touch, by kind.
enum class Cover { Outside, Outline, Inside };

struct RectCase {
    const char* Name;
    TRect R;
};

class RectangleTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectangleTest, FillRectCoversTheHalfOpenRectangle) {
    TRect r = GetParam().R;
    TBitmap bitmap = Blank(20, 20);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(r);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(bitmap.Canvas().Pixel(x, y), r.Contains({x, y}) ? clRed : clWhite)
                << x << "," << y << "\n"
                << Picture(bitmap, clWhite);
}

TEST_P(RectangleTest, FrameRectPaintsOnlyTheBorderInTheBrushColour) {
    TRect r = GetParam().R;
    TBitmap bitmap = Blank(20, 20);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FrameRect(r);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            bool border = r.Contains({x, y}) &&
                          (x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1);
            ASSERT_EQ(bitmap.Canvas().Pixel(x, y), border ? clBlue : clWhite)
                << x << "," << y << "\n"
                << Picture(bitmap, clWhite);
        }
}

TEST_P(RectangleTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    TRect r = GetParam().R;
    TBitmap bitmap = Blank(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clLime);
    canvas.Rectangle(r);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            Cover cover = !r.Contains({x, y}) ? Cover::Outside
                          : (x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1)
                              ? Cover::Outline
                              : Cover::Inside;
            TColor expected = cover == Cover::Outside   ? clWhite
                              : cover == Cover::Outline ? clBlack
                                                        : clLime;
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y << "\n"
                                                    << Picture(bitmap, clWhite);
        }
}

TEST_P(RectangleTest, RectangleWithoutPenFillsOnePixelLessToTheRightAndBottom) {
    TRect r = GetParam().R;
    TBitmap bitmap = Blank(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(clLime);
    canvas.Rectangle(r);
    TRect filled{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(canvas.Pixel(x, y), filled.Contains({x, y}) ? clLime : clWhite)
                << x << "," << y << "\n"
                << Picture(bitmap, clWhite);
}

INSTANTIATE_TEST_SUITE_P(Shapes, RectangleTest,
                         ::testing::Values(RectCase{"square", {2, 2, 12, 12}},
                                           RectCase{"wide", {0, 5, 20, 9}},
                                           RectCase{"tall", {7, 0, 10, 20}},
                                           RectCase{"tiny", {4, 4, 6, 6}},
                                           RectCase{"clipped", {-5, -5, 8, 8}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CanvasShapes, ReversedCornersDrawTheSameRectangle) {
    TBitmap forward = Blank(16, 16), reversed = Blank(16, 16);
    forward.Canvas().Rectangle(2, 3, 12, 10);
    reversed.Canvas().Rectangle(12, 10, 2, 3);
    EXPECT_EQ(Picture(forward, clWhite), Picture(reversed, clWhite));
}

TEST(CanvasShapes, PolygonFillsInsideAndOutlinesThroughEveryVertex) {
    TBitmap bitmap = Blank(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clRed);
    canvas.Polygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}});
    // The closing edges include every vertex: the outline spans 2..8 on both axes.
    EXPECT_EQ(InkBounds(bitmap, clWhite), (TRect{2, 2, 9, 9})) << Picture(bitmap, clWhite);
    EXPECT_EQ(PixelsOf(bitmap, clBlack).size(), 24u);
    EXPECT_EQ(PixelsOf(bitmap, clRed).size(), 25u);
}

TEST(CanvasShapes, TriangleWithoutPenFillsByPixelCentres) {
    TBitmap bitmap = Blank(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(clRed);
    canvas.Polygon({{0, 0}, {10, 0}, {0, 10}});
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            bool inside = x + 0.5 + y + 0.5 < 10; // below the hypotenuse x + y = 10
            ASSERT_EQ(canvas.Pixel(x, y), inside ? clRed : clWhite) << x << "," << y << "\n"
                                                                    << Picture(bitmap, clWhite);
        }
}

TEST(CanvasShapes, EllipseTouchesEverySideOfItsBoundsAndIsSymmetric) {
    for (TRect r : {TRect{1, 1, 11, 11}, TRect{0, 2, 17, 9}, TRect{3, 0, 8, 15}}) {
        TBitmap bitmap = Blank(20, 20);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(clYellow);
        canvas.Ellipse(r);
        EXPECT_EQ(InkBounds(bitmap, clWhite), r) << Picture(bitmap, clWhite);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                int mx = r.Left + r.Right - 1 - x, my = r.Top + r.Bottom - 1 - y;
                ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(mx, y)) << Picture(bitmap, clWhite);
                ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(x, my)) << Picture(bitmap, clWhite);
            }
        EXPECT_EQ(canvas.Pixel(r.Left, r.Top), clWhite); // corners stay outside
        EXPECT_EQ(canvas.Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), clYellow);
    }
}

TEST(CanvasShapes, RoundRectCutsItsCornersOnly) {
    TBitmap bitmap = Blank(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clYellow);
    canvas.RoundRect(2, 2, 18, 14, 6, 6);
    EXPECT_EQ(InkBounds(bitmap, clWhite), (TRect{2, 2, 18, 14}));
    EXPECT_EQ(canvas.Pixel(2, 2), clWhite);
    EXPECT_EQ(canvas.Pixel(17, 13), clWhite);
    EXPECT_EQ(canvas.Pixel(10, 2), clBlack);  // straight top edge
    EXPECT_EQ(canvas.Pixel(2, 8), clBlack);   // straight left edge
    EXPECT_EQ(canvas.Pixel(10, 8), clYellow); // inside
}

TEST(CanvasShapes, FocusRectangleIsDottedAndDrawingItTwiceRemovesIt) {
    TBitmap bitmap = Blank(16, 16, clBtnFace);
    TCanvas& canvas = bitmap.Canvas();
    std::string before = Picture(bitmap, TColor(ColorToRGB(clBtnFace)));
    canvas.DrawFocusRect({2, 2, 14, 12});
    auto changed = InkBounds(bitmap, TColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(changed, (TRect{2, 2, 14, 12}));
    // Dotted: along the top edge every other pixel is inverted.
    for (int x = 2; x < 13; ++x)
        EXPECT_NE(canvas.Pixel(x, 2) == TColor(ColorToRGB(clBtnFace)),
                  canvas.Pixel(x + 1, 2) == TColor(ColorToRGB(clBtnFace)));
    canvas.DrawFocusRect({2, 2, 14, 12});
    EXPECT_EQ(Picture(bitmap, TColor(ColorToRGB(clBtnFace))), before);
}

struct PenModeCase {
    TPenMode Mode;
    TColor Pen, Before, After;
};

class PenModeTest : public ::testing::TestWithParam<PenModeCase> {};

TEST_P(PenModeTest, CombinesPenAndDestinationAsItsRasterCode) {
    const auto c = GetParam();
    TBitmap bitmap = Blank(4, 1, c.Before);
    bitmap.Canvas().Pen().SetColor(c.Pen);
    bitmap.Canvas().Pen().SetMode(c.Mode);
    bitmap.Canvas().MoveTo(0, 0);
    bitmap.Canvas().LineTo(4, 0);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), c.After);
}

INSTANTIATE_TEST_SUITE_P(Modes, PenModeTest,
                         ::testing::Values(PenModeCase{pmCopy, 0x123456, 0xABCDEF, 0x123456},
                                           PenModeCase{pmXor, 0x0F0F0F, 0xFF00FF, 0xF00FF0},
                                           PenModeCase{pmNot, 0x123456, 0xFF00FF, 0x00FF00},
                                           PenModeCase{pmMask, 0x0000FF, 0x00FFFF, 0x0000FF},
                                           PenModeCase{pmMerge, 0x0000FF, 0x00FF00, 0x00FFFF},
                                           PenModeCase{pmNotCopy, 0x00FF00, 0x000000, 0xFF00FF},
                                           PenModeCase{pmNop, 0x000000, 0x808080, 0x808080},
                                           PenModeCase{pmBlack, 0xFFFFFF, 0x808080, 0x000000},
                                           PenModeCase{pmWhite, 0x000000, 0x808080, 0xFFFFFF},
                                           PenModeCase{pmNotXor, 0x0F0F0F, 0xFF00FF, 0x0FF00F},
                                           PenModeCase{pmMaskPenNot, 0xFFFFFF, 0x0000FF, 0xFFFF00},
                                           PenModeCase{pmMergeNotPen, 0xFFFF00, 0x000000,
                                                       0x0000FF}));

TEST(CanvasShapes, DashedPenLeavesGapsThatAnOpaqueBrushFills) {
    auto draw = [](TBrushStyle brush) {
        TBitmap bitmap = Blank(40, 1, clWhite);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Pen().SetStyle(psDash);
        canvas.Brush().SetColor(clRed);
        canvas.Brush().SetStyle(brush);
        canvas.MoveTo(0, 0);
        canvas.LineTo(40, 0);
        return bitmap;
    };
    TBitmap clear = draw(bsClear);
    auto dashes = PixelsOf(clear, clBlack).size();
    EXPECT_GT(dashes, 0u);
    EXPECT_LT(dashes, 40u);
    EXPECT_EQ(PixelsOf(clear, clWhite).size(), 40u - dashes);
    TBitmap opaque = draw(bsSolid);
    EXPECT_EQ(PixelsOf(opaque, clBlack).size(), dashes);
    EXPECT_EQ(PixelsOf(opaque, clRed).size(), 40u - dashes);
}

TEST(CanvasShapes, ClipRectAndOriginApplyToEveryCall) {
    TBitmap bitmap = Blank(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveWindowOrg(5, 5);
    canvas.SetClipRect({0, 0, 4, 4});
    canvas.Brush().SetColor(clRed);
    canvas.FillRect({-10, -10, 30, 30});
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(0, 10);
    canvas.LineTo(10, 10); // outside the clip
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 4, 4}));
    EXPECT_EQ(canvas.Pixel(0, 0), clRed); // pixels are read through the origin too
    canvas.ResetClip();
    canvas.SetPixel(-5, -5, clBlue);
    canvas.MoveWindowOrg(-5, -5);
    EXPECT_EQ(canvas.Pixel(0, 0), clBlue);
    canvas.SetPixel(0, 0, clWhite);
    EXPECT_EQ(InkBounds(bitmap, clWhite), (TRect{5, 5, 9, 9})) << Picture(bitmap, clWhite);
    EXPECT_EQ(canvas.Pixel(20, 0), -1);
    EXPECT_EQ(canvas.Pixel(0, -1), -1);
}

TEST(CanvasShapes, MonochromeBitmapTurnsColoursToBlackOrWhite) {
    TBitmap bitmap = Blank(4, 1);
    bitmap.SetMonochrome(true);
    TCanvas& canvas = bitmap.Canvas();
    const TColor colours[] = {clYellow, clNavy, clSilver, clMaroon};
    for (int x = 0; x < 4; ++x)
        canvas.SetPixel(x, 0, colours[x]);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(1, 0), clBlack);
    EXPECT_EQ(canvas.Pixel(2, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(3, 0), clBlack);
}

} // namespace
} // namespace ui
