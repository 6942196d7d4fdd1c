// The skin store's artwork as the controls rely on it: every picture by name, size and kind in
// the stored form; glyph strips whose frames stand on the picture's top-left colour; button
// faces with magenta corners that tile without seams; tab faces whose regions the tab control
// can recolour by filling from its fixed points; transparent marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/image.h"
#include "platform/ui/stdctrls/label.h"
#include "toolkit/forms/skin.h"
#include "toolkit/forms/skin_store.h"

namespace {

constexpr ui::TColor kMagenta = ui::TColor(ui::RGB(255, 0, 255));

class SkinArt : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }

    static ui::TImage* Image(const std::string& name) {
        return dynamic_cast<ui::TImage*>(tk::SkinStore->FindComponent(name));
    }
    static ui::TBitmap& Bitmap(const std::string& name) {
        ui::TBitmap* bitmap = tk::SkinStore->PictureBitmap(name);
        if (!bitmap)
            throw std::runtime_error("no picture " + name);
        return *bitmap;
    }
};

int Red(ui::TColor c) {
    return c & 0xFF;
}
int Green(ui::TColor c) {
    return (c >> 8) & 0xFF;
}
int Blue(ui::TColor c) {
    return (c >> 16) & 0xFF;
}

// b: bitmap, p: PNG image, -: no picture.
struct PictureCase {
    const char* Name;
    int Width, Height;
    char Kind;
};

const PictureCase kPictures[] = {
    {"OK", 84, 28, 'b'},
    {"Help", 60, 31, 'b'},
    {"Nu", 90, 28, 'b'},
    {"Surub", 8, 8, 'b'},
    {"Interzis", 12, 12, 'b'},
    {"Permis", 12, 12, 'b'},
    {"Analitic", 57, 22, 'b'},
    {"Linii", 8, 8, 'b'},
    {"SpeedFace", 54, 16, 'b'},
    {"LookupFace", 120, 42, 'b'},
    {"Check", 66, 15, 'b'},
    {"Radio", 22, 11, 'b'},
    {"IconFace", 56, 28, 'b'},
    {"HatchB", 8, 8, 'b'},
    {"Precedent", 42, 14, 'b'},
    {"Urmator", 42, 14, 'b'},
    {"Plus", 42, 14, 'b'},
    {"crescator", 20, 15, 'b'},
    {"descrescator", 20, 15, 'b'},
    {"GrupX", 42, 15, 'b'},
    {"Grup0", 42, 15, 'b'},
    {"ToolbVert", 8, 26, 'b'},
    {"ToolbOriz", 26, 8, 'b'},
    {"EscapeImg", 84, 15, 'b'},
    {"SCLogo", 159, 24, 'b'},
    {"Pag", 17, 28, 'b'},
    {"PlusAdd", 30, 15, 'b'},
    {"MinusDel", 30, 15, 'b'},
    {"Mail", 72, 20, 'b'},
    {"Talven", 102, 32, 'b'},
    {"ImageListe", 160, 160, 'b'},
    {"ImageDate", 160, 160, 'b'},
    {"SaveAs", 72, 26, 'b'},
    {"Buget", 54, 17, 'b'},
    {"All", 81, 31, 'b'},
    {"PalmaDeMajorca", 78, 11, 'b'},
    {"ButtonFace2", 146, 23, '-'},
    {"ButtonFaceKSV", 180, 28, 'b'},
    {"ButtonFaceKSV120", 180, 35, 'b'},
    {"Hartie", 26, 96, 'b'},
    {"Mijloc", 26, 96, 'b'},
    {"Find", 60, 20, 'b'},
    {"FindNext", 60, 20, 'b'},
    {"MainTitleBarSliceE", 9, 35, 'b'},
    {"SiglaKestrix2Img", 352, 35, 'b'},
    {"SiglaKestrixImg", 352, 35, 'p'},
    {"MainExitImg", 75, 24, 'b'},
    {"PlusBlue", 30, 15, 'b'},
    {"PlusPorto", 30, 15, 'b'},
    {"Contract", 78, 11, 'b'},
    {"Explicatii", 72, 22, 'b'},
    {"PlusPeach", 30, 15, 'b'},
    {"PlusSnorkel", 30, 15, 'b'},
    {"UrmatorBlue", 48, 8, 'b'},
    {"BSediu", 90, 24, 'b'},
    {"BIntr", 105, 24, 'b'},
    {"BIes", 96, 24, 'b'},
    {"Sold", 84, 24, 'b'},
    {"BBani", 99, 31, 'b'},
    {"Stoc", 75, 24, 'b'},
    {"Edit", 99, 22, 'b'},
    {"Detalii", 90, 31, 'b'},
    {"Jurnal", 99, 31, 'b'},
    {"Print", 99, 31, 'b'},
    {"Constante", 99, 31, 'b'},
    {"Config", 105, 31, 'b'},
    {"Avansat", 105, 31, 'b'},
    {"PrnSetup", 99, 31, 'b'},
    {"Cancel", 70, 22, 'b'},
    {"Exit", 69, 26, 'b'},
    {"Save", 78, 22, 'b'},
    {"Vizual", 99, 31, 'b'},
    {"Retry", 99, 31, 'b'},
    {"BigExit", 78, 43, 'b'},
    {"Add", 90, 31, 'b'},
    {"Delete", 78, 31, 'b'},
    {"BUnelte", 99, 31, 'b'},
    {"Grafic", 99, 31, 'b'},
    {"Tab", 234, 34, 'b'},
    {"MenuTabCtrlFace120", 360, 31, 'b'},
    {"TabCtrlFace", 360, 28, 'b'},
    {"SagRight", 33, 13, 'b'},
    {"SagUp", 33, 13, 'b'},
    {"SagDown", 33, 13, 'b'},
    {"SagLeft", 33, 13, 'b'},
    {"nPrev", 30, 17, 'b'},
    {"nNext", 30, 17, 'b'},
    {"nLast", 48, 17, 'b'},
    {"nFirst", 45, 17, 'b'},
    {"FirstPag", 66, 9, 'b'},
    {"LastPag", 66, 9, 'b'},
    {"PrevPag", 54, 9, 'b'},
    {"NextPag", 54, 9, 'b'},
    {"StopModi", 68, 51, 'b'},
    {"Anulat", 92, 53, 'b'},
    {"Warning", 86, 53, 'b'},
    {"Information", 86, 53, 'b'},
    {"Error", 86, 53, 'b'},
    {"Confirmation", 86, 53, 'b'},
    {"SiglaWhiteL", 286, 40, 'p'},
    {"SiglaBlackL", 286, 40, 'p'},
    {"SiglaWhiteR", 76, 40, 'p'},
    {"SiglaBlackR", 76, 40, 'p'},
    {"Neoperat", 41, 60, 'b'},
};

TEST_F(SkinArt, TheStoreHoldsEveryPictureInOrderWithItsSizeAndKind) {
    std::vector<ui::TImage*> images;
    int labels = 0, buttons = 0;
    for (int i = 0; i < tk::SkinStore->ComponentCount(); ++i) {
        ui::TComponent* component = tk::SkinStore->Components(i);
        if (auto* image = dynamic_cast<ui::TImage*>(component))
            images.push_back(image);
        labels += dynamic_cast<ui::TLabel*>(component) != nullptr;
        buttons += dynamic_cast<ui::TButton*>(component) != nullptr;
    }
    EXPECT_EQ(labels, 1);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(tk::SkinStore->ClientWidth(), 1030);
    EXPECT_EQ(tk::SkinStore->ClientHeight(), 456);
    ASSERT_EQ(images.size(), std::size(kPictures));
    const ui::TRect client = {0, 0, 1030, 456};
    for (size_t i = 0; i < images.size(); ++i) {
        const PictureCase& want = kPictures[i];
        SCOPED_TRACE(want.Name);
        ui::TImage& image = *images[i];
        EXPECT_EQ(image.Name(), want.Name);
        EXPECT_EQ(image.Width(), want.Width);
        EXPECT_EQ(image.Height(), want.Height);
        ui::TGraphic* graphic = image.Picture().Graphic();
        if (want.Kind == '-') {
            EXPECT_TRUE(image.Picture().Empty());
            continue;
        }
        ASSERT_NE(graphic, nullptr);
        EXPECT_EQ(graphic->Width(), want.Width);
        EXPECT_EQ(graphic->Height(), want.Height);
        if (want.Kind == 'p')
            EXPECT_NE(dynamic_cast<ui::TPngImage*>(graphic), nullptr);
        else
            EXPECT_NE(dynamic_cast<ui::TBitmap*>(graphic), nullptr);
        // Laid out within the form, clear of every other picture.
        ui::TRect bounds = image.BoundsRect();
        ui::TRect inside;
        EXPECT_TRUE(ui::IntersectRect(inside, bounds, client) && inside == bounds);
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(ui::IntersectRect(inside, bounds, images[j]->BoundsRect()))
                << "overlaps " << images[j]->Name();
    }
}

// The pictures the buttons take as strips of three frames (rest, disabled, pressed or hot).
const char* const kGlyphStrips[] = {
    "Buget",       "Precedent",  "Urmator",     "Add",     "Delete",    "Jurnal",    "Vizual",
    "Print",       "OK",         "Cancel",      "Help",    "Nu",        "Exit",      "Retry",
    "All",         "Edit",       "Analitic",    "Detalii", "Talven",    "Save",      "Plus",
    "BUnelte",     "Config",     "Stoc",        "Sold",    "BIntr",     "BSediu",    "BIes",
    "BBani",       "Mail",       "BigExit",     "PlusAdd", "PlusBlue",  "PlusPorto", "PlusPeach",
    "PlusSnorkel", "MinusDel",   "FirstPag",    "LastPag", "PrevPag",   "NextPag",   "nPrev",
    "nNext",       "Find",       "FindNext",    "Grafic",  "SaveAs",    "nFirst",    "nLast",
    "Contract",    "Explicatii", "UrmatorBlue", "Avansat", "PrnSetup",  "Constante", "MainExitImg",
    "SagRight",    "SagUp",      "SagDown",     "SagLeft", "EscapeImg", "GrupX",     "Grup0"};

TEST_F(SkinArt, GlyphStripFramesStandOnTheTopLeftColour) {
    for (const char* name : kGlyphStrips) {
        SCOPED_TRACE(name);
        ui::TBitmap& strip = Bitmap(name);
        ui::TCanvas& c = strip.Canvas();
        const ui::TColor background = c.Pixel(0, 0);
        const int fw = strip.Width() / 3, h = strip.Height();
        std::vector<std::vector<ui::TColor>> frames(3);
        for (int f = 0; f < 3; ++f) {
            int left = f * fw;
            for (auto [x, y] :
                 {std::pair{left, 0}, {left + fw - 1, 0}, {left, h - 1}, {left + fw - 1, h - 1}})
                EXPECT_EQ(c.Pixel(x, y), background) << "corner of frame " << f;
            bool drawn = false;
            for (int y = 0; y < h; ++y)
                for (int x = left; x < left + fw; ++x) {
                    frames[f].push_back(c.Pixel(x, y));
                    drawn = drawn || frames[f].back() != background;
                }
            EXPECT_TRUE(drawn) << "frame " << f << " is empty";
        }
        EXPECT_NE(frames[0], frames[1]) << "the disabled frame looks like the rest frame";
        // Columns left over after three frames are background.
        for (int x = 3 * fw; x < strip.Width(); ++x)
            for (int y = 0; y < h; ++y)
                EXPECT_EQ(c.Pixel(x, y), background);
    }
}

TEST_F(SkinArt, ButtonFacesHaveMagentaCornersAndTileWithoutSeams) {
    for (const char* name : {"ButtonFaceKSV", "ButtonFaceKSV120"}) {
        SCOPED_TRACE(name);
        ui::TBitmap& face = Bitmap(name);
        ui::TCanvas& c = face.Canvas();
        const int slice = face.Width() / 9, h = face.Height();
        for (int f = 0; f < 3; ++f) {
            int left = f * 3 * slice, right = left + 3 * slice - 1;
            for (auto [x, y] : {std::pair{left, 0}, {right, 0}, {left, h - 1}, {right, h - 1}})
                EXPECT_EQ(c.Pixel(x, y), kMagenta) << "corner of face " << f;
            // The middle slice is copied again and again: each row one colour, no magenta, and
            // the ends meet it without a step.
            int middle = left + slice;
            for (int y = 0; y < h; ++y) {
                ui::TColor row = c.Pixel(middle, y);
                EXPECT_NE(row, kMagenta);
                for (int x = middle; x < middle + slice; ++x)
                    EXPECT_EQ(c.Pixel(x, y), row) << "face " << f << " at " << x << "," << y;
                EXPECT_EQ(c.Pixel(middle - 1, y), row) << "left end, face " << f << " row " << y;
                EXPECT_EQ(c.Pixel(middle + slice, y), row) << "right end, face " << f;
            }
        }
    }
}

TEST_F(SkinArt, CheckAndRadioFramesStandOnMagenta) {
    struct Case {
        const char* Name;
        int Frames;
    } cases[] = {{"Check", 3}, {"Radio", 2}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        ui::TBitmap& strip = Bitmap(k.Name);
        ui::TCanvas& c = strip.Canvas();
        const int fw = strip.Width() / k.Frames;
        std::vector<std::vector<ui::TColor>> frames(size_t(k.Frames));
        for (int f = 0; f < k.Frames; ++f) {
            EXPECT_EQ(c.Pixel(f * fw, 0), kMagenta);
            for (int y = 0; y < strip.Height(); ++y)
                for (int x = f * fw; x < (f + 1) * fw; ++x)
                    frames[size_t(f)].push_back(c.Pixel(x, y));
        }
        for (int a = 0; a < k.Frames; ++a)
            for (int b = a + 1; b < k.Frames; ++b)
                EXPECT_NE(frames[size_t(a)], frames[size_t(b)]) << a << " and " << b;
    }
    // The checked bullet is the one with the dark middle.
    ui::TCanvas& radio = Bitmap("Radio").Canvas();
    EXPECT_GT(Red(radio.Pixel(5, 5)), 128);
    EXPECT_LT(Red(radio.Pixel(11 + 5, 5)), 128);
}

TEST_F(SkinArt, MessagePicturesAreOvalsOfTheirColourOnTheirGround) {
    enum Hue { Yellow, Red_, Green_, Blue_ };
    struct Case {
        const char* Name;
        Hue Body;
        bool OnMagenta;
    } cases[] = {{"Warning", Yellow, true},
                 {"Error", Red_, false},
                 {"Information", Green_, true},
                 {"Confirmation", Blue_, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        ui::TCanvas& c = Bitmap(k.Name).Canvas();
        ui::TColor ground = c.Pixel(0, 0);
        if (k.OnMagenta) {
            EXPECT_EQ(ground, kMagenta);
        } else { // light grey
            int low = std::min({Red(ground), Green(ground), Blue(ground)});
            int high = std::max({Red(ground), Green(ground), Blue(ground)});
            EXPECT_GT(low, 180);
            EXPECT_LT(high - low, 24);
        }
        // The oval's body, left of the word and below the gloss.
        ui::TColor body = c.Pixel(12, 32);
        int r = Red(body), g = Green(body), b = Blue(body);
        switch (k.Body) {
        case Yellow:
            EXPECT_TRUE(r > 200 && g > 180 && b < 120) << std::hex << body;
            break;
        case Red_:
            EXPECT_TRUE(r > 200 && r > g + 80 && r > b + 80) << std::hex << body;
            break;
        case Green_:
            EXPECT_TRUE(g > r + 60 && g > b + 60) << std::hex << body;
            break;
        case Blue_:
            EXPECT_TRUE(b > r + 60 && b > g) << std::hex << body;
            break;
        }
    }
}

// The tab control recolours a copy of the face by filling from fixed points: the surroundings
// from (0, 0), the selected tab's body from (W - 15, 15), the hot tab's from (W div 3 + 10, 10),
// the outline from (0, H - 1) and (W - 10, 1); it reads the page colour at (W - 20, H - 20).
TEST_F(SkinArt, TabFacesKeepTheirRegionsApartForTheTabControlsFills) {
    for (const char* name : {"TabCtrlFace", "MenuTabCtrlFace120"}) {
        SCOPED_TRACE(name);
        ui::TBitmap face(Bitmap(name));
        ui::TCanvas& c = face.Canvas();
        const int w = face.Width(), h = face.Height();
        auto fill = [&](int x, int y, ui::TColor marker) {
            c.Brush().SetColor(marker);
            c.FloodFill(x, y, c.Pixel(x, y), ui::fsSurface);
        };
        const ui::TColor around = ui::TColor(ui::RGB(1, 2, 3));
        const ui::TColor selected = ui::TColor(ui::RGB(4, 5, 6));
        const ui::TColor hot = ui::TColor(ui::RGB(7, 8, 9));
        const ui::TColor outline = ui::TColor(ui::RGB(10, 11, 12));
        fill(0, 0, around);
        fill(w - 15, 15, selected);
        fill(w / 3 + 10, 10, hot);
        fill(0, h - 1, outline);
        fill(w - 10, 1, outline);
        EXPECT_EQ(c.Pixel(0, 0), around);
        EXPECT_EQ(c.Pixel(w - 15, 15), selected);
        EXPECT_EQ(c.Pixel(w - 20, h - 20), selected);
        EXPECT_EQ(c.Pixel(w / 3 + 10, 10), hot);
        EXPECT_EQ(c.Pixel(0, h - 1), outline);
        EXPECT_EQ(c.Pixel(w - 10, 1), outline);
        // Every tab's top corners stand in the surroundings.
        for (int tab = 0; tab < 3; ++tab) {
            EXPECT_EQ(c.Pixel(tab * w / 3, 1), around) << "tab " << tab;
            EXPECT_EQ(c.Pixel((tab + 1) * w / 3 - 1, 1), around) << "tab " << tab;
        }
    }
}

TEST_F(SkinArt, MarksStoredAsPngImagesAreDrawnTransparent) {
    for (const PictureCase& p : kPictures) {
        if (p.Kind != 'p')
            continue;
        SCOPED_TRACE(p.Name);
        ui::TImage* image = Image(p.Name);
        ASSERT_NE(image, nullptr);
        ui::TGraphic& png = *image->Picture().Graphic();
        ui::TBitmap ground(p.Width, p.Height);
        const ui::TColor red = ui::TColor(ui::RGB(255, 0, 0));
        ground.Canvas().Brush().SetColor(red);
        ground.Canvas().FillRect({0, 0, p.Width, p.Height});
        ground.Canvas().Draw(0, 0, png);
        int shown = 0, clear = 0;
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x)
                (ground.Canvas().Pixel(x, y) == red ? clear : shown) += 1;
        EXPECT_GT(clear, 0);
        EXPECT_GT(shown, 0);
    }
}

} // namespace
