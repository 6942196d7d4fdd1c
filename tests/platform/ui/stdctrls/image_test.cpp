// The image: sized to its picture, its transparent pixels left out, stretched and centred,
// and picture data from a stored form with or without the picture's class name before it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "control_host.h"
#include "platform/ui/stdctrls/image.h"

namespace ui::testing {
namespace {

// An 8 x 8 lime bitmap with a red 4 x 4 square in its middle (lime is its bottom-left colour).
TBitmap Target() {
    TBitmap bitmap(8, 8);
    bitmap.Canvas().Brush().SetColor(clLime);
    bitmap.Canvas().FillRect({0, 0, 8, 8});
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect({2, 2, 6, 6});
    return bitmap;
}

TEST(Image, AutoSizeTakesThePictureSize) {
    test::TControlHost host;
    auto& image = host.Place<TImage>(5, 5, 100, 100);
    image.SetAutoSize(true);
    TBitmap target = Target();
    image.Picture().SetGraphic(&target);
    EXPECT_EQ(image.Width(), 8);
    EXPECT_EQ(image.Height(), 8);
}

TEST(Image, TransparentLeavesTheBottomLeftColourOut) {
    test::TControlHost host;
    auto& image = host.Place<TImage>(10, 10, 8, 8);
    TBitmap target = Target();
    image.Picture().SetGraphic(&target);
    TBitmap opaque = host.Snapshot();
    EXPECT_EQ(opaque.Canvas().Pixel(10, 10), ColorToRGB(clLime));
    image.SetTransparent(true);
    TBitmap seeThrough = host.Snapshot();
    EXPECT_EQ(seeThrough.Canvas().Pixel(10, 10), ColorToRGB(clWhite));
    EXPECT_EQ(seeThrough.Canvas().Pixel(13, 13), ColorToRGB(clRed));
}

TEST(Image, StretchAndCenterPlaceThePicture) {
    test::TControlHost host;
    auto& image = host.Place<TImage>(0, 0, 40, 40);
    TBitmap target = Target();
    image.Picture().SetGraphic(&target);
    image.SetCenter(true);
    TBitmap centred = host.Snapshot();
    EXPECT_EQ(centred.Canvas().Pixel(16, 16), ColorToRGB(clLime));
    EXPECT_EQ(centred.Canvas().Pixel(19, 19), ColorToRGB(clRed));
    EXPECT_EQ(centred.Canvas().Pixel(15, 15), ColorToRGB(clWhite));
    image.SetStretch(true);
    TBitmap stretched = host.Snapshot();
    EXPECT_EQ(stretched.Canvas().Pixel(0, 0), ColorToRGB(clLime));
    EXPECT_EQ(stretched.Canvas().Pixel(12, 12), ColorToRGB(clRed));
    EXPECT_EQ(stretched.Canvas().Pixel(39, 39), ColorToRGB(clLime));
}

std::vector<uint8_t> BitmapFileBytes(const TBitmap& bitmap) {
    std::string path = ::testing::TempDir() + "/image_test_target.bmp";
    bitmap.SaveToFile(path);
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    return bytes;
}

TEST(Image, StoredDataIsReadWithOrWithoutItsClassName) {
    std::vector<uint8_t> file = BitmapFileBytes(Target());
    std::vector<uint8_t> named{7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    named.insert(named.end(), file.begin(), file.end());
    for (const auto& data : {file, named}) {
        TPicture picture;
        LoadStoredPictureData(picture, data, "Image1.Picture");
        EXPECT_EQ(picture.Width(), 8);
        EXPECT_EQ(picture.Height(), 8);
    }
    TPicture kept;
    LoadStoredPictureData(kept, file, "Image1.Picture");
    std::vector<uint8_t> cut(named.begin(), named.begin() + 30);
    EXPECT_THROW(LoadStoredPictureData(kept, cut, "Image1.Picture"), EInvalidGraphic);
    EXPECT_EQ(kept.Width(), 8);
}

} // namespace
} // namespace ui::testing
