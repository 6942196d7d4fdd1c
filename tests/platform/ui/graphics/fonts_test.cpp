// Logical fonts: heights by the platform's rule, faces through the substitution table, symbol
// faces, and fonts registered from memory.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/resource_store.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::InkBounds;
using test::Picture;

TEST(FontSize, HeightAndSizeFollowThePixelsPerInch) {
    struct {
        int PixelsPerInch, Points, Height;
    } cases[] = {{96, 8, -11},   {96, 10, -13}, {96, 12, -16},
                 {96, 78, -104}, {120, 8, -13}, {144, 8, -16}};
    for (auto c : cases) {
        TFont font;
        font.SetPixelsPerInch(c.PixelsPerInch);
        font.SetSize(c.Points);
        EXPECT_EQ(font.Height(), c.Height) << c.Points << "pt at " << c.PixelsPerInch;
        EXPECT_EQ(font.Size(), c.Points);
    }
    TFont font;
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10); // 9.75 points, rounded
    font.SetHeight(16);         // a cell height gives a negative size, as the platform's does
    EXPECT_LT(font.Size(), 0);
    EXPECT_EQ(MulDiv(-11, 72, 96), -8);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(FontSubstitution, EveryLogicalFaceResolvesToAnInstalledFamily) {
    const QStringList installed = QFontDatabase::families();
    for (const char* name :
         {"MS Sans Serif", "Ms Sans Serif", "MS Shell Dlg", "System", "Arial", "Times New Roman",
          "Courier New", "Tahoma", "Verdana", "Wingdings", "Marlett", "Some Face Nobody Has"}) {
        TFont font;
        font.SetName(name);
        QFont qfont = font.ToQFont();
        std::string family = IsSymbolFont(font) ? SymbolFontFamily() : ResolveFontFamily(name);
        EXPECT_TRUE(installed.contains(QString::fromStdString(family))) << name << " -> " << family;
        // The face really drawn is the table's, not one the machine's font configuration chose.
        EXPECT_EQ(QFontInfo(qfont).family().toStdString(), family) << name;
        EXPECT_EQ(qfont.pixelSize(), 11);
        EXPECT_TRUE(qfont.styleStrategy() & QFont::NoAntialias);
    }
    EXPECT_EQ(ResolveFontFamily("times new roman"), ResolveFontFamily("Times New Roman"));
    EXPECT_NE(ResolveFontFamily("Courier New"), ResolveFontFamily("Times New Roman"));
}

TEST(FontMetrics, NegativeHeightIsTheCharacterHeightAndPositiveTheCellHeight) {
    TBitmap bitmap(4, 4);
    TCanvas& canvas = bitmap.Canvas();
    for (const char* face : {"MS Sans Serif", "Times New Roman", "Courier New"}) {
        canvas.Font().SetName(face);
        for (int height : {-11, -13, -16, -24}) {
            canvas.Font().SetHeight(height);
            auto tm = canvas.TextMetrics();
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -height) << face << height;
            EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
            EXPECT_EQ(canvas.TextHeight("Wg"), tm.tmHeight);
        }
        for (int height : {13, 16, 20, 30}) {
            canvas.Font().SetHeight(height);
            EXPECT_NEAR(canvas.TextMetrics().tmHeight, height, 1) << face << height;
        }
    }
}

TEST(FontStyles, BoldTextIsWiderAndUnderlineAddsARowBelowTheBaseline) {
    TBitmap plain = Blank(80, 20), bold = Blank(80, 20), under = Blank(80, 20);
    for (TBitmap* b : {&plain, &bold, &under})
        b->Canvas().Brush().SetStyle(bsClear);
    bold.Canvas().Font().SetStyle(fsBold);
    under.Canvas().Font().SetStyle(fsUnderline);
    for (TBitmap* b : {&plain, &bold, &under})
        b->Canvas().TextOut(2, 2, "Instalare");
    EXPECT_GT(bold.Canvas().TextWidth("Instalare"), plain.Canvas().TextWidth("Instalare"));
    EXPECT_EQ(under.Canvas().TextWidth("Instalare"), plain.Canvas().TextWidth("Instalare"));
    int baseline = 2 + plain.Canvas().TextMetrics().tmAscent;
    EXPECT_GE(InkBounds(under, clWhite).Bottom, baseline + 1) << Picture(under, clWhite);
    // No antialiasing: every pixel is the font colour or the background.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            TColor p = bold.Canvas().Pixel(x, y);
            ASSERT_TRUE(p == clWhite || p == clBlack) << x << "," << y;
        }
}

TEST(FontChange, NotifiesOnceForEachRealChangeAndCopiesCarryNoHook) {
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetColor(clRed);
    font.SetColor(clRed);
    font.SetStyle(fsBold | fsItalic);
    font.SetSize(8); // already -11
    EXPECT_EQ(changes, 2);
    TFont other;
    other.SetName("Arial");
    other.SetHeight(-20);
    font.Assign(other);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(font, other);
    TFont copy = font;
    EXPECT_FALSE(copy.OnChange);
}

TEST(SymbolFonts, TheDoneMarkDrawsAMarkGlyphNotALetter) {
    TFont wingdings;
    wingdings.SetName("Wingdings");
    EXPECT_TRUE(IsSymbolFont(wingdings));
    TFont symbolCharset;
    symbolCharset.SetCharset(SYMBOL_CHARSET);
    EXPECT_TRUE(IsSymbolFont(symbolCharset));
    EXPECT_FALSE(IsSymbolFont(TFont()));

    const std::string doneMark = "\xC3\xBC"; // the code 0xFC
    std::string shown = SymbolText(wingdings, doneMark);
    EXPECT_NE(shown, doneMark);
    QFontMetrics metrics(wingdings.ToQFont());
    EXPECT_TRUE(metrics.inFont(QString::fromStdString(shown).at(0)))
        << "the symbol family has the mark";
    EXPECT_EQ(SymbolText(TFont(), doneMark), doneMark);
    EXPECT_EQ(SymbolText(wingdings, "\x7F"), "\x7F"); // a code without a mapping stays

    TBitmap mark = Blank(30, 30), letter = Blank(30, 30);
    mark.Canvas().Font().SetName("Wingdings");
    mark.Canvas().Font().SetHeight(-20);
    letter.Canvas().Font().SetHeight(-20);
    mark.Canvas().TextOut(2, 2, doneMark);
    letter.Canvas().TextOut(2, 2, doneMark);
    EXPECT_FALSE(InkBounds(mark, clWhite).IsEmpty());
    EXPECT_NE(Picture(mark, clWhite), Picture(letter, clWhite));
}

TEST(MemoryFonts, TheEmbeddedDisplayFontRegistersForThisProcessAndIsRemoved) {
    const std::string face = "Helvetica Black_r";
    ASSERT_EQ(ResolveFontFamily(face), ResolveFontFamily("MS Sans Serif"))
        << "the display face is not installed on the machine";
    HFONTRES handle = AddFontMemResource(Resources::Read("data/HelveticaR"));
    ASSERT_NE(handle, 0);
    auto families = FontMemResourceFamilies(handle);
    EXPECT_NE(std::find(families.begin(), families.end(), face), families.end());
    EXPECT_EQ(ResolveFontFamily(face), face);
    TFont font;
    font.SetName(face);
    EXPECT_EQ(QFontInfo(font.ToQFont()).family().toStdString(), face);

    EXPECT_TRUE(RemoveFontMemResource(handle));
    EXPECT_FALSE(RemoveFontMemResource(handle));
    EXPECT_NE(ResolveFontFamily(face), face);
    EXPECT_EQ(AddFontMemResource({1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(AddFontMemResource({}), 0);
}

} // namespace
} // namespace ui
