// Bitmaps and pictures: sizes, copies, monochrome masks, loading and saving, bad data.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/graphics/resource_store.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::PixelsOf;

std::vector<uint8_t> Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

TEST(Bitmap, ResizingKeepsThePixelsThatFitAndMakesNewOnesWhite) {
    TBitmap bitmap = Blank(4, 4, clRed);
    bitmap.SetSize(6, 2);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Canvas().Pixel(3, 1), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(5, 1), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 3), -1);
    // A strip that is still empty has a height and no pixels.
    TBitmap strip;
    strip.SetHeight(16);
    EXPECT_EQ(strip.Width(), 0);
    EXPECT_EQ(strip.Height(), 16);
    EXPECT_TRUE(strip.Empty());
    strip.Canvas().FillRect({0, 0, 10, 10}); // drawing on it is harmless
    strip.SetWidth(32);
    EXPECT_EQ(strip.Canvas().Pixel(31, 15), clWhite);
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect({0, 0, 32, 16});
    EXPECT_EQ(strip.Canvas().Pixel(31, 15), clBlue);
}

TEST(Bitmap, ASizeThatCannotBeAllocatedIsAnErrorAndKeepsTheBitmap) {
    TBitmap bitmap = Blank(3, 3, clRed);
    EXPECT_THROW(bitmap.SetSize(1 << 20, 1 << 20), EInvalidGraphicOperation);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 2), clRed);
    bitmap.Canvas().TextOut(0, 0, "x"); // still paintable
}

TEST(Bitmap, CopiesAreIndependentEvenWhileTheOriginalIsBeingPainted) {
    TBitmap original = Blank(40, 20);
    original.Canvas().TextOut(1, 1, "ab"); // text goes through a painter that stays open
    TBitmap copy(original);
    TBitmap assigned;
    assigned = original;
    original.Canvas().Brush().SetColor(clRed);
    original.Canvas().FillRect({0, 0, 40, 20});
    original.Canvas().TextOut(1, 1, "cd");
    EXPECT_TRUE(PixelsOf(copy, clRed).empty());
    EXPECT_TRUE(PixelsOf(assigned, clRed).empty());
    EXPECT_FALSE(PixelsOf(copy, clBlack).empty());
    copy.Canvas().SetPixel(0, 0, clLime);
    EXPECT_EQ(original.Canvas().Pixel(0, 0), clRed);
}

TEST(Bitmap, MaskMakesTheGivenColourWhiteAndEverythingElseBlack) {
    TBitmap bitmap(3, 1);
    bitmap.Canvas().SetPixel(0, 0, clFuchsia);
    bitmap.Canvas().SetPixel(1, 0, clWhite);
    bitmap.Canvas().SetPixel(2, 0, clFuchsia);
    bitmap.Mask(clFuchsia);
    EXPECT_TRUE(bitmap.Monochrome());
    EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clWhite);
}

TEST(Bitmap, LoadsWhatItSavesAsBmpAndPng) {
    QTemporaryDir dir;
    TBitmap source = Blank(5, 3, clTeal);
    source.Canvas().SetPixel(4, 2, clYellow);
    for (const char* name : {"/picture.bmp", "/picture.png"}) {
        std::string path = dir.path().toStdString() + name;
        source.SaveToFile(path);
        TBitmap loaded;
        loaded.LoadFromFile(path);
        ASSERT_EQ(loaded.Width(), 5) << name;
        ASSERT_EQ(loaded.Height(), 3);
        EXPECT_EQ(loaded.Canvas().Pixel(0, 0), clTeal);
        EXPECT_EQ(loaded.Canvas().Pixel(4, 2), clYellow);
    }
    QImage mono(8, 2, QImage::Format_Mono);
    mono.fill(1);
    TBitmap monoLoaded;
    monoLoaded.LoadFromBytes(Encode(mono, "BMP"), "mono.bmp");
    EXPECT_EQ(monoLoaded.PixelFormat(), pf1bit);
}

TEST(Bitmap, BadPictureDataIsAnErrorNamingItAndChangesNothing) {
    TBitmap bitmap = Blank(2, 2, clRed);
    std::vector<std::vector<uint8_t>> bad = {
        {}, {'B', 'M', 0, 0, 0}, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}, {1, 2, 3}};
    QImage gif(2, 2, QImage::Format_RGB32);
    bad.push_back(Encode(gif, "PPM")); // a picture, but not one the platform reads
    for (const auto& data : bad) {
        try {
            bitmap.LoadFromBytes(data, "skin/Broken.bmp");
            ADD_FAILURE() << "accepted " << data.size() << " bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find("skin/Broken.bmp"), std::string::npos);
        }
        EXPECT_EQ(bitmap.Width(), 2);
        EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clRed);
    }
    try {
        bitmap.LoadFromResourceName("NoSuchPicture");
        ADD_FAILURE();
    } catch (const EResourceError& e) {
        EXPECT_EQ(e.Name, "NoSuchPicture");
        EXPECT_NE(std::string(e.what()).find("NoSuchPicture"), std::string::npos);
    }
    EXPECT_THROW(bitmap.LoadFromFile("/nonexistent/picture.bmp"), EInvalidGraphic);
    EXPECT_THROW(TBitmap().SaveToFile("/nonexistent/folder/x.png"), EInvalidGraphicOperation);
}

TEST(Picture, HoldsABitmapOrAPngImageByItsDataAndDrawsAlphaBlended) {
    QImage rgba(2, 1, QImage::Format_ARGB32);
    rgba.setPixel(0, 0, qRgba(255, 0, 0, 255));
    rgba.setPixel(1, 0, qRgba(0, 0, 255, 0));
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromBytes(Encode(rgba, "PNG"), "alpha.png");
    EXPECT_EQ(changes, 1);
    auto* png = dynamic_cast<TPngImage*>(picture.Graphic());
    ASSERT_NE(png, nullptr);
    EXPECT_TRUE(png->Transparent());
    TBitmap dest = Blank(2, 1, clGreen);
    dest.Canvas().Draw(0, 0, *png);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clGreen); // fully transparent: the background shows

    TPicture copy(picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Width(), 2);

    picture.LoadFromBytes(Encode(QImage(3, 3, QImage::Format_RGB32), "BMP"), "plain.bmp");
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(copy.Width(), 2);

    // Asking a PNG picture for its bitmap replaces it with an empty one.
    copy.Bitmap();
    EXPECT_TRUE(copy.Empty());
    EXPECT_THROW(picture.LoadFromBytes({1, 2, 3}, "junk"), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_THROW(TPngImage().LoadFromBytes(Encode(QImage(1, 1, QImage::Format_RGB32), "BMP"), "b"),
                 EInvalidGraphic);
}

TEST(Picture, ABitmapTakesAnyGraphicFlattenedOnWhite) {
    QImage rgba(1, 1, QImage::Format_ARGB32);
    rgba.setPixel(0, 0, qRgba(0, 0, 0, 0));
    TPngImage png;
    png.LoadFromBytes(Encode(rgba, "PNG"), "clear.png");
    TBitmap bitmap;
    bitmap.Assign(png);
    EXPECT_EQ(bitmap.Width(), 1);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
}

} // namespace
} // namespace ui
