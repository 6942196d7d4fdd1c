// Copies between surfaces: raster operations, brush copies, monochrome rules, transparency,
// scaling, and the flood fill.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::InkBounds;
using test::Picture;
using test::PixelsOf;

// A 4 x 1 source with four colours, two of which differ in one bit only.
TBitmap Stripes() {
    TBitmap source(4, 1);
    const TColor colours[] = {clFuchsia, TColor(0xFE00FF), clGreen, clFuchsia};
    for (int x = 0; x < 4; ++x)
        source.Canvas().SetPixel(x, 0, colours[x]);
    return source;
}

TEST(BrushCopy, ReplacesExactlyTheOneColourWithTheBrush) {
    TBitmap source = Stripes();
    TBitmap dest = Blank(4, 1, clWhite);
    dest.Canvas().Brush().SetColor(clBlue);
    dest.Canvas().BrushCopy({0, 0, 4, 1}, source, {0, 0, 4, 1}, clFuchsia);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clBlue);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), TColor(0xFE00FF)); // one bit away: kept
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clGreen);
    EXPECT_EQ(dest.Canvas().Pixel(3, 0), clBlue);
}

TEST(BrushCopy, WithAClearBrushLeavesTheDestinationUnderTheReplacedColour) {
    TBitmap source = Stripes();
    TBitmap dest = Blank(4, 1, clYellow);
    dest.Canvas().Brush().SetStyle(bsClear);
    dest.Canvas().BrushCopy({0, 0, 4, 1}, source, {0, 0, 4, 1}, clFuchsia);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clYellow);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), TColor(0xFE00FF));
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clGreen);
    EXPECT_EQ(dest.Canvas().Pixel(3, 0), clYellow);
}

TEST(BrushCopy, ScalesToTheDestinationAndLeavesTheSourceAlone) {
    TBitmap source = Stripes();
    TBitmap dest = Blank(8, 2, clWhite);
    dest.Canvas().Brush().SetColor(clBlue);
    dest.Canvas().BrushCopy({0, 0, 8, 2}, source, {0, 0, 4, 1}, clFuchsia);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(dest.Canvas().Pixel(0, y), clBlue);
        EXPECT_EQ(dest.Canvas().Pixel(1, y), clBlue);
        EXPECT_EQ(dest.Canvas().Pixel(4, y), clGreen);
        EXPECT_EQ(dest.Canvas().Pixel(5, y), clGreen);
    }
    EXPECT_EQ(source.Canvas().Pixel(0, 0), clFuchsia);
}

struct RopCase {
    const char* Name;
    TCopyMode Mode;
    TColor Source, Dest, Result;
};

class CopyModeTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(CopyModeTest, CombinesSourceAndDestination) {
    const RopCase c = GetParam();
    TBitmap source = Blank(2, 2, c.Source);
    TBitmap dest = Blank(2, 2, c.Dest);
    dest.Canvas().Brush().SetColor(TColor(0x0000FF)); // the pattern of pattern operations
    dest.Canvas().SetCopyMode(c.Mode);
    dest.Canvas().CopyRect({0, 0, 2, 2}, source.Canvas(), {0, 0, 2, 2});
    EXPECT_EQ(dest.Canvas().Pixel(1, 1), c.Result);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CopyModeTest,
    ::testing::Values(RopCase{"SrcCopy", cmSrcCopy, 0x123456, 0xFFFFFF, 0x123456},
                      RopCase{"SrcAnd", cmSrcAnd, 0x00FFFF, 0xFF00FF, 0x0000FF},
                      RopCase{"SrcPaint", cmSrcPaint, 0x0000FF, 0x00FF00, 0x00FFFF},
                      RopCase{"SrcInvert", cmSrcInvert, 0x0F0F0F, 0xFF00FF, 0xF00FF0},
                      RopCase{"NotSrcCopy", cmNotSrcCopy, 0x00FF00, 0x123456, 0xFF00FF},
                      RopCase{"SrcErase", cmSrcErase, 0xFFFFFF, 0x0000FF, 0xFFFF00},
                      RopCase{"MergePaint", cmMergePaint, 0xFFFF00, 0x000000, 0x0000FF},
                      RopCase{"DstInvert", cmDstInvert, 0x000000, 0x00FF00, 0xFF00FF},
                      RopCase{"Blackness", cmBlackness, 0xFFFFFF, 0xFFFFFF, 0x000000},
                      RopCase{"Whiteness", cmWhiteness, 0x000000, 0x000000, 0xFFFFFF},
                      RopCase{"PatCopy", cmPatCopy, 0x000000, 0x000000, 0x0000FF},
                      RopCase{"PatInvert", cmPatInvert, 0x000000, 0x00FFFF, 0x00FF00},
                      RopCase{"MergeCopy", cmMergeCopy, 0x00FFFF, 0x000000, 0x0000FF}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MaskedDrawing, AndWithTheMaskThenXorWithTheBlackenedImageKeepsTheBackground) {
    // The image list's recipe: pixels of the mask colour stay transparent.
    TBitmap image(3, 1);
    image.Canvas().SetPixel(0, 0, clFuchsia);
    image.Canvas().SetPixel(1, 0, clRed);
    image.Canvas().SetPixel(2, 0, clFuchsia);

    // The mask: a monochrome copy taken with the mask colour as background.
    TBitmap mask(3, 1);
    mask.SetMonochrome(true);
    image.Canvas().Brush().SetColor(clFuchsia);
    mask.Canvas().CopyRect({0, 0, 3, 1}, image.Canvas(), {0, 0, 3, 1});
    EXPECT_EQ(mask.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(mask.Canvas().Pixel(1, 0), clBlack);

    // The image blackened where the mask is white: the mask drawn over it with AND and the
    // colours black on white.
    TBitmap blackened(image);
    blackened.Canvas().Font().SetColor(clWhite);
    blackened.Canvas().Brush().SetColor(clBlack);
    blackened.Canvas().SetCopyMode(cmSrcAnd);
    blackened.Canvas().CopyRect({0, 0, 3, 1}, mask.Canvas(), {0, 0, 3, 1});
    EXPECT_EQ(blackened.Canvas().Pixel(0, 0), clBlack);
    EXPECT_EQ(blackened.Canvas().Pixel(1, 0), clRed);

    TBitmap screen = Blank(3, 1, clTeal);
    TCanvas& canvas = screen.Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clWhite);
    canvas.SetCopyMode(cmSrcAnd);
    canvas.CopyRect({0, 0, 3, 1}, mask.Canvas(), {0, 0, 3, 1});
    canvas.SetCopyMode(cmSrcInvert);
    canvas.CopyRect({0, 0, 3, 1}, blackened.Canvas(), {0, 0, 3, 1});
    EXPECT_EQ(canvas.Pixel(0, 0), clTeal);
    EXPECT_EQ(canvas.Pixel(1, 0), clRed);
    EXPECT_EQ(canvas.Pixel(2, 0), clTeal);
}

TEST(MonochromeCopies, BlackTakesTheFontColourAndWhiteTheBrushColour) {
    TBitmap mono(2, 1);
    mono.SetMonochrome(true);
    mono.Canvas().SetPixel(0, 0, clBlack);
    mono.Canvas().SetPixel(1, 0, clWhite);
    TBitmap dest = Blank(2, 1);
    dest.Canvas().Font().SetColor(clNavy);
    dest.Canvas().Brush().SetColor(clYellow);
    dest.Canvas().Draw(0, 0, mono);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clNavy);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clYellow);
}

TEST(TransparentDrawing, LeavesOutTheTransparentColour) {
    TBitmap picture = Stripes();
    picture.SetTransparent(true);
    EXPECT_EQ(picture.TransparentColor(), clFuchsia); // automatic: the bottom-left pixel
    TBitmap dest = Blank(4, 1, clSilver);
    dest.Canvas().Draw(0, 0, picture);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clSilver);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), TColor(0xFE00FF));
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clGreen);
    EXPECT_EQ(dest.Canvas().Pixel(3, 0), clSilver);

    picture.SetTransparentColor(clGreen);
    EXPECT_EQ(picture.TransparentMode(), tmFixed);
    TBitmap second = Blank(4, 1, clSilver);
    second.Canvas().Draw(0, 0, picture);
    EXPECT_EQ(second.Canvas().Pixel(0, 0), clFuchsia);
    EXPECT_EQ(second.Canvas().Pixel(2, 0), clSilver);
}

TEST(StretchDraw, ScalesByNearestPixel) {
    TBitmap checker(2, 2);
    checker.Canvas().SetPixel(0, 0, clBlack);
    checker.Canvas().SetPixel(1, 0, clWhite);
    checker.Canvas().SetPixel(0, 1, clWhite);
    checker.Canvas().SetPixel(1, 1, clBlack);
    TBitmap dest = Blank(6, 6, clRed);
    dest.Canvas().StretchDraw({0, 0, 6, 6}, checker);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dest.Canvas().Pixel(x, y), ((x / 3) ^ (y / 3)) ? clWhite : clBlack)
                << Picture(dest, clWhite);
}

TEST(CopyRect, WithinOneBitmapReadsTheOriginalPixels) {
    TBitmap bitmap(4, 1);
    const TColor colours[] = {clRed, clGreen, clBlue, clWhite};
    for (int x = 0; x < 4; ++x)
        bitmap.Canvas().SetPixel(x, 0, colours[x]);
    bitmap.Canvas().CopyRect({1, 0, 4, 1}, bitmap.Canvas(), {0, 0, 3, 1});
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clGreen);
    EXPECT_EQ(bitmap.Canvas().Pixel(3, 0), clBlue);
}

// A 9 x 9 picture: a black ring around the centre with a diagonal-only gap at one corner.
TBitmap Ring() {
    TBitmap bitmap = Blank(9, 9);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clBlack);
    canvas.FrameRect({2, 2, 7, 7});
    canvas.SetPixel(2, 2, clWhite); // the corner pixel opens the ring only diagonally
    return bitmap;
}

TEST(FloodFill, SurfaceFillStopsAtOtherColoursAndDoesNotLeakDiagonally) {
    TBitmap bitmap = Ring();
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.FloodFill(4, 4, clWhite, fsSurface);
    EXPECT_EQ(InkBounds(bitmap, clWhite), (TRect{2, 2, 7, 7}));
    EXPECT_EQ(PixelsOf(bitmap, clRed).size(), 9u) << Picture(bitmap, clWhite);
    EXPECT_EQ(canvas.Pixel(2, 2), clWhite);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
}

TEST(FloodFill, BorderFillPaintsUpToTheBorderColour) {
    TBitmap bitmap = Ring();
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetPixel(4, 4, clGreen); // another colour inside is painted over too
    canvas.Brush().SetColor(clRed);
    canvas.FloodFill(3, 3, clBlack, fsBorder);
    EXPECT_EQ(PixelsOf(bitmap, clRed).size(), 9u) << Picture(bitmap, clWhite);
    EXPECT_EQ(canvas.Pixel(4, 4), clRed);
}

TEST(FloodFill, StartingOnAnotherColourFillsNothingAndTheSameColourTerminates) {
    TBitmap bitmap = Ring();
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.FloodFill(2, 3, clWhite, fsSurface); // starts on the black ring
    EXPECT_TRUE(PixelsOf(bitmap, clRed).empty());
    canvas.Brush().SetColor(clWhite); // filling white with white ends
    canvas.FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(PixelsOf(bitmap, clBlack).size(), 15u);
}

} // namespace
} // namespace ui

namespace ui {
namespace {

TEST(PatternBrush, TilesItsBitmapFromTheSurfaceOriginUntilRemoved) {
    TBitmap checker(2, 2);
    checker.Canvas().SetPixel(0, 0, clBlack);
    checker.Canvas().SetPixel(1, 0, clRed);
    checker.Canvas().SetPixel(0, 1, clRed);
    checker.Canvas().SetPixel(1, 1, clBlack);
    TBitmap dest = test::Blank(10, 8);
    TCanvas& canvas = dest.Canvas();
    canvas.Brush().SetBitmap(&checker);
    checker.Canvas().SetPixel(0, 0, clLime); // the brush keeps the pattern it was given
    canvas.FillRect({1, 1, 7, 5});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            TColor expected = !TRect{1, 1, 7, 5}.Contains({x, y}) ? clWhite
                              : ((x + y) % 2 == 0)                ? clBlack
                                                                  : clRed;
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
        }
    canvas.Brush().SetBitmap(nullptr);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(canvas.Pixel(0, 0), clBlue);
}

} // namespace
} // namespace ui
