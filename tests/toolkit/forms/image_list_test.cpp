// The strip image list: its size errors, its capacity and drawing through masks.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/graphics/graphic.h"
#include "toolkit/forms/image_list.h"
#include "toolkit/forms/skin.h"

namespace {

class ImageList : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }
};

// A 16 x 16 image of one colour with one pixel of another at (x, y).
ui::TBitmap Glyph(ui::TColor background, ui::TColor dot, int x = 5, int y = 7, int w = 16,
                  int h = 16) {
    ui::TBitmap bitmap(w, h);
    bitmap.Canvas().Brush().SetColor(background);
    bitmap.Canvas().FillRect({0, 0, w, h});
    bitmap.Canvas().SetPixel(x, y, dot);
    return bitmap;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ui::EInvalidGraphicOperation& e) {
        return e.what();
    }
    return "";
}

TEST_F(ImageList, SizeErrors) {
    EXPECT_EQ(ErrorOf([] { tk::TMImageList list(0, 16); }), "Invalid image size");
    EXPECT_EQ(ErrorOf([] { tk::TMImageList list(16, -1); }), "Invalid image size");
    tk::TMImageList list(16, 16);
    const std::string mismatch = "Image dimensions do not match image list dimensions";
    ui::TBitmap narrow = Glyph(ui::clWhite, ui::clRed, 0, 0, 15, 16);
    ui::TBitmap tall = Glyph(ui::clWhite, ui::clRed, 0, 0, 16, 17);
    ui::TBitmap good = Glyph(ui::clWhite, ui::clRed);
    EXPECT_EQ(ErrorOf([&] { list.Add(&narrow, nullptr); }), mismatch);
    EXPECT_EQ(ErrorOf([&] { list.Add(&good, &tall); }), mismatch);
    EXPECT_EQ(ErrorOf([&] { list.AddMasked(&tall, ui::clWhite); }), mismatch);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Add(nullptr, nullptr), 0); // no bitmap passes the check
    EXPECT_THROW(list.Replace(1, &good, nullptr), std::out_of_range);
    ui::TBitmap target(16, 16);
    EXPECT_THROW(list.Draw(target.Canvas(), 0, 0, -1), std::out_of_range);
}

TEST_F(ImageList, HoldsTwoThousandFortyEightImagesOfSixteenPixels) {
    tk::TMImageList list(16, 16);
    ui::TBitmap first = Glyph(ui::clWhite, ui::clRed);
    ui::TBitmap last = Glyph(ui::clWhite, ui::clBlue);
    for (int i = 0; i < 2048; ++i)
        ASSERT_EQ(list.Add(i == 2047 ? &last : &first, nullptr), i);
    EXPECT_EQ(ErrorOf([&] { list.Add(&first, nullptr); }), "Too many images");
    EXPECT_EQ(ErrorOf([&] { list.AddMasked(&first, ui::clWhite); }), "Too many images");
    EXPECT_EQ(list.Count(), 2048);
    // The refused images left the list as it was: the last image is still where it was put.
    ui::TBitmap target(16, 16);
    list.Draw(target.Canvas(), 0, 0, 2047);
    EXPECT_EQ(target.Canvas().Pixel(5, 7), ui::clBlue);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), ui::clWhite);
}

TEST_F(ImageList, DrawingLeavesTheMaskColourTransparent) {
    tk::TMImageList list(16, 16);
    ui::TBitmap glyph = Glyph(ui::clFuchsia, ui::clRed, 3, 4);
    glyph.Canvas().SetPixel(9, 9, ui::clBlack);
    int masked = list.AddMasked(&glyph, ui::clFuchsia);
    int plain = list.Add(&glyph, nullptr);

    ui::TBitmap target(40, 16);
    ui::TCanvas& c = target.Canvas();
    c.Brush().SetColor(ui::clGreen);
    c.FillRect({0, 0, 40, 16});
    c.Font().SetColor(ui::clNavy);
    c.SetCopyMode(ui::cmSrcPaint);
    list.Draw(c, 0, 0, masked);
    list.Draw(c, 20, 0, plain);
    EXPECT_EQ(c.Pixel(0, 0), ui::clGreen);
    EXPECT_EQ(c.Pixel(3, 4), ui::clRed);
    EXPECT_EQ(c.Pixel(9, 9), ui::clBlack); // black is not transparent, only the mask colour
    EXPECT_EQ(c.Pixel(20, 0), ui::clFuchsia);
    EXPECT_EQ(c.Pixel(23, 4), ui::clRed);
    // The canvas is as the caller left it.
    EXPECT_EQ(c.CopyMode(), ui::cmSrcPaint);
    EXPECT_EQ(c.Font().Color(), ui::clNavy);
    EXPECT_EQ(c.Brush().Color(), ui::clGreen);
}

TEST_F(ImageList, AnExplicitMaskAndReplacement) {
    tk::TMImageList list(16, 16);
    // The image is black where the mask is white (transparent), as masked images are kept.
    ui::TBitmap image = Glyph(ui::clBlack, ui::clYellow, 2, 2);
    ui::TBitmap mask = Glyph(ui::clWhite, ui::clBlack, 2, 2);
    int index = list.Add(&image, &mask);
    ui::TBitmap target = Glyph(ui::clTeal, ui::clTeal);
    list.Draw(target.Canvas(), 0, 0, index);
    EXPECT_EQ(target.Canvas().Pixel(2, 2), ui::clYellow);
    EXPECT_EQ(target.Canvas().Pixel(10, 10), ui::clTeal);

    ui::TBitmap other = Glyph(ui::clLime, ui::clLime);
    list.Replace(index, &other, nullptr); // no mask any more: the cell is copied
    list.Draw(target.Canvas(), 0, 0, index);
    EXPECT_EQ(target.Canvas().Pixel(10, 10), ui::clLime);
}

} // namespace
