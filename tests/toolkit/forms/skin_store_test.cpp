// The skin store and the glyph lookups: every lookup gives a picture of the store or the empty
// glyph, never nothing, whatever number it is given.
#include <gtest/gtest.h>

#include <climits>

#include "platform/ui/graphics/picture.h"
#include "platform/ui/stdctrls/image.h"
#include "toolkit/forms/skin.h"
#include "toolkit/forms/skin_store.h"

namespace {

class SkinStore : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }
    static ui::TBitmap* Picture(const char* name) { return tk::SkinStore->PictureBitmap(name); }
};

TEST_F(SkinStore, StartUpMakesTheSharedBitmaps) {
    ASSERT_NE(tk::SkinStore, nullptr);
    EXPECT_EQ(tk::SkinStore->Name(), "Mesaj");
    ASSERT_NE(tk::EmptyGlyph, nullptr);
    EXPECT_TRUE(tk::EmptyGlyph->Empty());
    struct Case {
        ui::TBitmap* Bitmap;
        const char* Picture;
        int Width, Height;
    } cases[] = {
        {tk::NiceButtonFace, "ButtonFaceKSV", 180, 28},
        {tk::TabFaceBitmap, "TabCtrlFace", 360, 28},
        {tk::MenuTabFaceBitmap, "MenuTabCtrlFace120", 360, 31},
        {tk::IconFaceBitmap, "IconFace", 56, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Picture);
        EXPECT_EQ(c.Bitmap, Picture(c.Picture));
        ASSERT_NE(c.Bitmap, nullptr);
        EXPECT_EQ(c.Bitmap->Width(), c.Width);
        EXPECT_EQ(c.Bitmap->Height(), c.Height);
    }
    // Starting again changes nothing.
    tk::TMesaj* store = tk::SkinStore;
    tk::StartToolkit();
    EXPECT_EQ(tk::SkinStore, store);
}

TEST_F(SkinStore, TheHatchIsAGridOnTheOddRowsAndColumns) {
    ASSERT_NE(tk::HatchBitmap, nullptr);
    ASSERT_EQ(tk::HatchBitmap->Width(), 8);
    ASSERT_EQ(tk::HatchBitmap->Height(), 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ui::TColor expected = (x % 2 == 1 || y % 2 == 1) ? ui::clBlack : ui::clWhite;
            EXPECT_EQ(tk::HatchBitmap->Canvas().Pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(SkinStore, KindsWithoutAPictureGiveTheEmptyGlyph) {
    struct Case {
        ui::TBitmap* (*Lookup)(int);
        int Kind;
        const char* Picture; // nullptr: the empty glyph
    } cases[] = {
        {tk::KindGlyph, tk::mkLast, nullptr},
        {tk::KindGlyph, tk::mkCustom, nullptr},
        {tk::KindGlyph, tk::mkIgnore, nullptr},
        {tk::NiceKindGlyph, tk::mkIgnore, "PrnSetup"},
        {tk::NiceKindGlyph, tk::mkFirst, nullptr},
        {tk::KindGlyph, tk::mkOK, "OK"},
        {tk::KindGlyph, tk::mkOK + 128, "OK"},
        {tk::KindGlyph, tk::mkYes, "OK"},
        {tk::KindGlyph, tk::mkTransf, "BSediu"},
        {tk::KindGlyph, tk::mkAction, "UrmatorBlue"},
        {tk::KindGlyph, tk::mkAdvanced, "Avansat"},
        {tk::NiceKindGlyph, tk::mkAdvanced + 128, "Avansat"},
        {tk::KindGlyph, tk::mkAdvanced + 1, nullptr},
        {tk::KindGlyph, 127, nullptr},
        {tk::AlteGlyph, tk::glCustom, nullptr},
        {tk::AlteGlyph, tk::glCrescator, "crescator"},
        {tk::AlteGlyph, tk::glToolVert, "ToolbVert"},
        {tk::AlteGlyph, tk::glNeoperat, "Neoperat"},
        {tk::AlteGlyph, tk::glNeoperat + 1, nullptr},
        {tk::MsgTypeGlyph, tk::mtWarning, "Warning"},
        {tk::MsgTypeGlyph, tk::mtConfirmation, "Confirmation"},
        {tk::MsgTypeGlyph, tk::mtCustom, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kind) + " " + (c.Picture ? c.Picture : "empty"));
        ui::TBitmap* expected = c.Picture ? Picture(c.Picture) : tk::EmptyGlyph;
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(c.Lookup(c.Kind), expected);
        if (c.Picture) {
            EXPECT_FALSE(expected->Empty());
        }
    }
}

TEST_F(SkinStore, EveryNumberGivesABitmap) {
    for (auto lookup : {tk::KindGlyph, tk::NiceKindGlyph, tk::AlteGlyph, tk::MsgTypeGlyph}) {
        for (int kind : {INT_MIN, INT_MIN + 9, -129, -1, 59, 100, 255, 256 + 9, INT_MAX}) {
            ui::TBitmap* bitmap = lookup(kind);
            EXPECT_NE(bitmap, nullptr) << kind;
            EXPECT_EQ(bitmap, lookup(kind & 0x7F)) << kind;
        }
    }
}

TEST_F(SkinStore, PicturesKeepTheirSizesAndPngPicturesComeAsBitmaps) {
    EXPECT_EQ(Picture("NoSuchPicture"), nullptr);
    ui::TBitmap* ok = Picture("ok"); // names without regard to case
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Width(), 84);
    EXPECT_EQ(ok->Height(), 28);
    ui::TBitmap* none = Picture("ButtonFace2");
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->Empty());
    int pngPictures = 0;
    for (int i = 0; i < tk::SkinStore->ComponentCount(); ++i) {
        auto* image = dynamic_cast<ui::TImage*>(tk::SkinStore->Components(i));
        if (!image || !dynamic_cast<ui::TPngImage*>(image->Picture().Graphic()))
            continue;
        ++pngPictures;
        SCOPED_TRACE(image->Name());
        ui::TBitmap* bitmap = Picture(image->Name().c_str());
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap, Picture(image->Name().c_str()));
        EXPECT_EQ(bitmap->Width(), image->Picture().Width());
        EXPECT_EQ(bitmap->Height(), image->Picture().Height());
        EXPECT_TRUE(bitmap->Transparent());
        EXPECT_EQ(bitmap->TransparentColor(), ui::clFuchsia);
        // Where the PNG is opaque, the bitmap has its pixels.
        ui::TBitmap opaque(bitmap->Width(), bitmap->Height());
        opaque.Canvas().Brush().SetColor(ui::clFuchsia);
        opaque.Canvas().FillRect({0, 0, bitmap->Width(), bitmap->Height()});
        image->Picture().Graphic()->Draw(opaque.Canvas(),
                                         {0, 0, bitmap->Width(), bitmap->Height()});
        EXPECT_EQ(bitmap->Canvas().Pixel(bitmap->Width() / 2, bitmap->Height() / 2),
                  opaque.Canvas().Pixel(bitmap->Width() / 2, bitmap->Height() / 2));
        // The PNG itself stays in its component.
        EXPECT_NE(dynamic_cast<ui::TPngImage*>(image->Picture().Graphic()), nullptr);
    }
    EXPECT_GT(pngPictures, 0);
}

} // namespace
