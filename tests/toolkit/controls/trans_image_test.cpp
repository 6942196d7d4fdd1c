// The transparent image: where a picture lands (stretched, proportional, centred), which
// picture it shows when kinds and bitmaps are set, sizing to the picture, the top-left colour
// left out, and a hidden picture on a control that stays in place.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/control_host.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/titles_test_support.h"

namespace tk {
namespace {

using ui::test::TControlHost;

struct TRectCase {
    const char* Name;
    int W, H, CW, CH;
    bool Stretch, Proportional, Center;
    ui::TRect Expected;
};

const TRectCase RectCases[] = {
    {"wide_proportional", 32, 16, 20, 20, true, true, false, {0, 0, 20, 10}},
    {"wide_proportional_centred", 32, 16, 20, 20, true, true, true, {0, 5, 20, 15}},
    {"tall_proportional", 16, 32, 20, 20, true, true, false, {0, 0, 10, 20}},
    {"tall_proportional_centred", 16, 32, 20, 20, true, true, true, {5, 0, 15, 20}},
    // Too tall for the width-first fit: the height decides, Trunc(2 x 9) = 18.
    {"wide_in_flat_control", 40, 20, 30, 9, true, true, false, {0, 0, 18, 9}},
    // Square pictures take the height first; too wide, then the width decides.
    {"square_in_flat_control", 10, 10, 30, 8, true, true, true, {11, 0, 19, 8}},
    {"square_in_narrow_control", 10, 10, 8, 30, true, true, true, {0, 11, 8, 19}},
    // Trunc cuts toward zero: 20 / (3 / 2) = 13.33.
    {"fraction_cut", 3, 2, 20, 20, true, true, false, {0, 0, 20, 13}},
    {"stretch_fills", 32, 16, 20, 30, true, false, false, {0, 0, 20, 30}},
    {"natural_size", 32, 16, 20, 20, false, false, false, {0, 0, 32, 16}},
    // A picture larger than the control is centred by a negative offset.
    {"natural_size_centred", 32, 16, 20, 20, false, false, true, {-6, 2, 26, 18}},
    // Without a size there is no ratio: the picture is stretched to the control.
    {"empty_picture_proportional", 0, 0, 20, 20, true, true, true, {0, 0, 20, 20}},
};

class TransImageRectCases : public ::testing::TestWithParam<TRectCase> {};

TEST_P(TransImageRectCases, PlacesThePicture) {
    const TRectCase& c = GetParam();
    EXPECT_EQ(TransImageRect(c.W, c.H, c.CW, c.CH, c.Stretch, c.Proportional, c.Center),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TransImageRectCases, ::testing::ValuesIn(RectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

class TransImage : public ::testing::Test {
protected:
    void SetUp() override { StartToolkit(); }
};

// A 6 x 4 magenta picture with a red 2 x 2 square at (2, 1).
ui::TBitmap Picture() {
    ui::TBitmap bitmap(6, 4);
    bitmap.Canvas().Brush().SetColor(ui::clFuchsia);
    bitmap.Canvas().FillRect({0, 0, 6, 4});
    bitmap.Canvas().Brush().SetColor(ui::clRed);
    bitmap.Canvas().FillRect({2, 1, 4, 3});
    return bitmap;
}

TEST_F(TransImage, ANewImageIs24Square) {
    TControlHost host;
    auto* image = new TTransImage(&host.Form());
    EXPECT_EQ(image->Width(), 24);
    EXPECT_EQ(image->Height(), 24);
    EXPECT_TRUE(image->AutoSize());
    EXPECT_TRUE(image->Transparent());
    EXPECT_TRUE(image->ImageVisible());
}

TEST_F(TransImage, OneKindAtATimeAndTheControlTakesThePicturesSize) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(0, 0, 24, 24);
    image.SetKindMic(mkOK);
    EXPECT_EQ(&image.CurrentImage(), KindGlyph(mkOK));
    image.SetKindMare(mtError);
    EXPECT_EQ(image.KindMic(), mkCustom);
    EXPECT_EQ(&image.CurrentImage(), MsgTypeGlyph(mtError));
    EXPECT_EQ(image.Width(), MsgTypeGlyph(mtError)->Width());
    EXPECT_EQ(image.Height(), MsgTypeGlyph(mtError)->Height());
    image.SetKindAlte(glPermis);
    EXPECT_EQ(image.KindMare(), mtCustom);
    EXPECT_EQ(&image.CurrentImage(), AlteGlyph(glPermis));
    image.SetBitmap(Picture());
    EXPECT_EQ(image.KindAlte(), glCustom);
    EXPECT_EQ(&image.CurrentImage(), &image.Bitmap());
    EXPECT_EQ(image.Width(), 6);
    EXPECT_EQ(image.Height(), 4);
}

TEST_F(TransImage, AnEmptyPictureOrAutoSizeOffLeavesTheSize) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(0, 0, 30, 20);
    image.SetBitmap(ui::TBitmap());
    EXPECT_EQ(image.Width(), 30);
    EXPECT_EQ(image.Height(), 20);
    image.SetAutoSize(false);
    image.SetKindMare(mtWarning);
    EXPECT_EQ(image.Width(), 30);
    image.SetAutoSize(true);
    EXPECT_EQ(image.Width(), MsgTypeGlyph(mtWarning)->Width());
}

TEST_F(TransImage, ProportionalNeedsStretch) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(0, 0, 30, 20);
    image.SetProportional(true);
    EXPECT_TRUE(image.Stretch());
    image.SetStretch(false);
    EXPECT_FALSE(image.Proportional());
}

TEST_F(TransImage, TheTopLeftColourShowsTheBackgroundOnlyWhenTransparent) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(10, 10, 6, 4);
    image.SetBitmap(Picture());
    ui::TBitmap clear = host.Snapshot();
    EXPECT_EQ(clear.Canvas().Pixel(10, 10), ui::clWhite);
    EXPECT_EQ(clear.Canvas().Pixel(12, 11), ui::clRed);
    image.SetTransparent(false);
    ui::TBitmap solid = host.Snapshot();
    EXPECT_EQ(solid.Canvas().Pixel(10, 10), ui::clFuchsia);
    EXPECT_EQ(solid.Canvas().Pixel(12, 11), ui::clRed);
}

TEST_F(TransImage, AStretchedProportionalPictureIsDrawnWhereItsRectangleSays) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(0, 0, 6, 4);
    image.SetBitmap(Picture());
    image.SetAutoSize(false);
    image.SetBounds(0, 0, 30, 30);
    image.SetTransparent(false);
    image.SetProportional(true);
    image.SetCenter(true);
    ui::TBitmap picture = host.Snapshot();
    // 6 x 4 scaled to 30 x 20, moved down by 5; the red square covers (10..19, 5+5..5+14).
    EXPECT_EQ(picture.Canvas().Pixel(0, 4), ui::clWhite);
    EXPECT_EQ(picture.Canvas().Pixel(0, 5), ui::clFuchsia);
    EXPECT_EQ(picture.Canvas().Pixel(29, 24), ui::clFuchsia);
    EXPECT_EQ(picture.Canvas().Pixel(29, 25), ui::clWhite);
    EXPECT_EQ(picture.Canvas().Pixel(15, 15), ui::clRed);
}

TEST_F(TransImage, AHiddenPictureLeavesTheControlInPlaceAndHearingTheMouse) {
    TControlHost host;
    auto& image = host.Place<TTransImage>(10, 10, 6, 4);
    image.SetBitmap(Picture());
    image.SetTransparent(false);
    int downs = 0;
    image.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) { ++downs; };
    image.SetImageVisible(false);
    ui::TBitmap picture = host.Snapshot();
    EXPECT_EQ(test::CountColor(picture, {10, 10, 16, 14}, ui::clWhite), 24);
    EXPECT_TRUE(image.Visible());
    EXPECT_EQ(host.Form().ControlAtPos({12, 12}, false), &image);
    image.Perform(ui::WM_LBUTTONDOWN, 0, ui::MakeLParam(2, 2));
    image.Perform(ui::WM_LBUTTONUP, 0, ui::MakeLParam(2, 2));
    EXPECT_EQ(downs, 1);
}

} // namespace
} // namespace tk
