// The text layout call: word breaks, prefixes, alignment, clipping, and the calculated rectangle
// being the one the text is drawn into.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/draw_text.h"
#include "tests/platform/ui/graphics/pixel_probe.h"

namespace ui {
namespace {

using test::Blank;
using test::InkBounds;
using test::Picture;

// A canvas ready for text: black on a clear brush over white.
TBitmap TextSurface(int width, int height, const char* face = "MS Sans Serif") {
    TBitmap bitmap = Blank(width, height);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(face);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
    return bitmap;
}

struct LayoutCase {
    const char* Name;
    const char* Text;
    int Width;
    unsigned Format;
};

class DrawTextLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DrawTextLayoutTest, DrawsInsideTheRectangleItCalculates) {
    const LayoutCase c = GetParam();
    TBitmap bitmap = TextSurface(300, 200);
    TCanvas& canvas = bitmap.Canvas();
    TRect calc{10, 10, 10 + c.Width, 10};
    int height = DrawText(canvas, c.Text, calc, c.Format | DT_CALCRECT);
    EXPECT_EQ(height, calc.Height());
    EXPECT_EQ(InkBounds(bitmap, clWhite), TRect{}) << "calculating draws nothing";
    // Broken lines keep to the width, unless one word alone is wider: then the rectangle widens
    // to that word.
    if (c.Format & DT_WORDBREAK) {
        int widestWord = 0;
        std::string word;
        for (const char* p = c.Text;; ++p) {
            if (*p == ' ' || *p == 0) {
                widestWord = std::max(widestWord, canvas.TextWidth(word));
                word.clear();
                if (*p == 0)
                    break;
            } else if (*p != '&') {
                word += *p;
            }
        }
        EXPECT_EQ(calc.Width() <= c.Width, widestWord <= c.Width);
        EXPECT_LE(calc.Width(), std::max(c.Width, widestWord));
    }

    TRect draw = calc;
    DrawText(canvas, c.Text, draw, c.Format | DT_NOCLIP);
    TRect ink = InkBounds(bitmap, clWhite);
    int lineHeight = canvas.TextMetrics().tmHeight;
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, calc.Left) << Picture(bitmap, clWhite);
    EXPECT_LE(ink.Right, calc.Right) << Picture(bitmap, clWhite);
    EXPECT_GE(ink.Top, calc.Top);
    EXPECT_LE(ink.Bottom, calc.Bottom);
    // The last line is used: ink reaches into the bottom line's band.
    EXPECT_GT(ink.Bottom, calc.Bottom - lineHeight);
    // The widest line reaches the right edge (within the glyphs' side bearings).
    EXPECT_GE(ink.Right, calc.Right - 3);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DrawTextLayoutTest,
    ::testing::Values(
        LayoutCase{"OneLine", "Programul de instalare", 500, DT_SINGLELINE},
        LayoutCase{"Wrapped", "Programul de instalare va copia fisierele in directorul ales.", 120,
                   DT_WORDBREAK},
        LayoutCase{"WrappedCentred", "Introduceti discheta numarul 2 in unitatea A:", 90,
                   DT_WORDBREAK | DT_CENTER},
        LayoutCase{"LineBreaks", "Prima linie\r\nA doua linie mai lunga\r\na treia", 400, 0},
        LayoutCase{"Prefix", "&Continua cu instalarea", 80, DT_WORDBREAK},
        LayoutCase{"LongWord", "Un cuvant Foarteeeeeeeeeeeeeeeeeeeelung aici", 60, DT_WORDBREAK}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DrawTextWordBreak, BreaksBetweenWordsWhereTheNextWordWouldNotFit) {
    // In a fixed-pitch face every word of three letters has the same width.
    TBitmap bitmap = TextSurface(10, 10, "Courier New");
    TCanvas& canvas = bitmap.Canvas();
    const std::string text = "aaa bbb ccc ddd";
    int twoWords = canvas.TextWidth("aaa bbb");
    int lineHeight = canvas.TextMetrics().tmHeight;
    struct {
        int Width;
        int Lines;
    } cases[] = {{1000, 1}, {canvas.TextWidth(text), 1}, {twoWords, 2}, {twoWords - 1, 4}, {0, 4}};
    for (auto c : cases) {
        TRect r{0, 0, c.Width, 0};
        EXPECT_EQ(DrawText(canvas, text, r, DT_WORDBREAK | DT_CALCRECT), c.Lines * lineHeight)
            << "width " << c.Width;
        EXPECT_EQ(r.Height(), c.Lines * lineHeight);
    }
    TRect single{0, 0, 0, 0};
    DrawText(canvas, text, single, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(single.Width(), canvas.TextWidth(text));
    EXPECT_EQ(single.Height(), lineHeight);
}

TEST(DrawTextPrefix, UnderlinesTheLetterAfterTheAmpersandAndDropsTheAmpersand) {
    TBitmap plain = TextSurface(100, 30), prefixed = TextSurface(100, 30);
    plain.Canvas().TextOut(5, 5, "Bun");
    TRect r{5, 5, 100, 30};
    DrawText(prefixed.Canvas(), "&Bun", r, DT_SINGLELINE);
    int letter = plain.Canvas().TextWidth("B");
    int baseline = 5 + plain.Canvas().TextMetrics().tmAscent;
    int extra = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            TColor a = plain.Canvas().Pixel(x, y), b = prefixed.Canvas().Pixel(x, y);
            if (a == b)
                continue;
            ++extra;
            EXPECT_EQ(a, clWhite) << "the prefixed text only adds pixels";
            EXPECT_GE(x, 5);
            EXPECT_LT(x, 5 + letter) << "the underline stays under the letter";
            EXPECT_GE(y, baseline);
        }
    EXPECT_GT(extra, 0) << Picture(prefixed, clWhite);

    struct {
        const char* Text;
        unsigned Format;
        const char* Shown;
    } widths[] = {
        {"&Bun", 0, "Bun"}, {"a&&b", 0, "a&b"}, {"&Bun", DT_NOPREFIX, "&Bun"}, {"ab&", 0, "ab"}};
    for (auto w : widths) {
        TRect calc{0, 0, 0, 0};
        DrawText(plain.Canvas(), w.Text, calc, w.Format | DT_SINGLELINE | DT_CALCRECT);
        EXPECT_EQ(calc.Width(), plain.Canvas().TextWidth(w.Shown)) << w.Text;
    }
}

TEST(DrawTextAlignment, PlacesTheLineInItsRectangle) {
    const std::string text = "Salut";
    struct {
        unsigned Format;
        const char* Name;
    } cases[] = {{DT_SINGLELINE, "top-left"},
                 {DT_SINGLELINE | DT_CENTER | DT_VCENTER, "centre"},
                 {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, "bottom-right"}};
    for (auto c : cases) {
        TBitmap bitmap = TextSurface(120, 60);
        TCanvas& canvas = bitmap.Canvas();
        TRect box{10, 10, 110, 50};
        int w = canvas.TextWidth(text), h = canvas.TextMetrics().tmHeight;
        int x = box.Left, y = box.Top;
        if (c.Format & DT_CENTER)
            x = (box.Left + box.Right - w) / 2;
        if (c.Format & DT_RIGHT)
            x = box.Right - w;
        if (c.Format & DT_VCENTER)
            y = (box.Top + box.Bottom - h) / 2;
        if (c.Format & DT_BOTTOM)
            y = box.Bottom - h;
        DrawText(canvas, text, box, c.Format);
        TRect ink = InkBounds(bitmap, clWhite);
        TRect cell{x, y, x + w, y + h};
        TRect inside;
        ASSERT_TRUE(IntersectRect(inside, ink, cell)) << c.Name;
        EXPECT_EQ(inside, ink) << c.Name << "\n" << Picture(bitmap, clWhite);
        EXPECT_LE(ink.Left - cell.Left, 2) << c.Name;
        EXPECT_LE(cell.Right - ink.Right, 2) << c.Name;
    }
}

TEST(DrawTextClipping, KeepsTextInsideItsRectangleUnlessToldNot) {
    const std::string text = "Un text mult prea lung pentru dreptunghi";
    TBitmap clipped = TextSurface(300, 30), unclipped = TextSurface(300, 30);
    TRect box{5, 5, 60, 25};
    TRect a = box, b = box;
    DrawText(clipped.Canvas(), text, a, DT_SINGLELINE);
    DrawText(unclipped.Canvas(), text, b, DT_SINGLELINE | DT_NOCLIP);
    TRect inside;
    TRect ink = InkBounds(clipped, clWhite);
    IntersectRect(inside, ink, box);
    EXPECT_EQ(inside, ink);
    EXPECT_GT(InkBounds(unclipped, clWhite).Right, box.Right);
    // The clip of the canvas is what it was before.
    EXPECT_EQ(clipped.Canvas().ClipRect(), (TRect{0, 0, 300, 30}));
}

TEST(DrawTextEllipsis, ShortensTheLineToFitWithThreeDots) {
    TBitmap bitmap = TextSurface(300, 30);
    TCanvas& canvas = bitmap.Canvas();
    const std::string text = "C:\\Program Files\\Kesvard\\Date\\Firma\\Talven.db";
    TRect box{5, 5, 5 + canvas.TextWidth(text) / 2, 25};
    TRect r = box;
    DrawText(canvas, text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    TRect ink = InkBounds(bitmap, clWhite);
    EXPECT_LE(ink.Right, box.Right);
    EXPECT_GT(ink.Right, box.Right - canvas.TextWidth("..."));

    TBitmap path = TextSurface(300, 30);
    TRect p = box;
    DrawText(path.Canvas(), text, p, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOCLIP);
    EXPECT_LE(InkBounds(path, clWhite).Right, box.Right);
    EXPECT_NE(Picture(path, clWhite), Picture(bitmap, clWhite)) << "the file name is kept";
}

TEST(DrawTextTabs, ExpandToEightAverageCharacters) {
    TBitmap bitmap = TextSurface(300, 30);
    TCanvas& canvas = bitmap.Canvas();
    int tab = 8 * canvas.TextMetrics().tmAveCharWidth;
    TRect r{0, 0, 0, 0};
    DrawText(canvas, "a\tb", r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(r.Width(), tab + canvas.TextWidth("b"));
    TRect twice{0, 0, 0, 0};
    DrawText(canvas, "a\t\tb", twice, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(twice.Width(), 2 * tab + canvas.TextWidth("b"));
}

TEST(DrawTextLines, CountsLineBreaksUnlessSingleLine) {
    TBitmap bitmap = TextSurface(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    int h = canvas.TextMetrics().tmHeight;
    struct {
        const char* Text;
        unsigned Format;
        int Lines;
    } cases[] = {{"a\r\nb", 0, 2},
                 {"a\rb\nc", 0, 3},
                 {"a\r\nb", DT_SINGLELINE, 1},
                 {"a\r\n\r\nb", 0, 3},
                 {"", 0, 0}};
    for (auto c : cases) {
        TRect r{3, 4, 3, 4};
        EXPECT_EQ(DrawText(canvas, c.Text, r, c.Format | DT_CALCRECT), c.Lines * h) << c.Text;
        EXPECT_EQ(r.Top, 4);
        EXPECT_EQ(r.Bottom, 4 + c.Lines * h);
    }
}

TEST(DrawTextBackground, ASolidBrushFillsEachLinesCellOnly) {
    TBitmap bitmap = Blank(200, 60);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clYellow);
    TRect r{10, 10, 190, 50};
    DrawText(canvas, "ab\r\nlonger line", r, 0);
    int h = canvas.TextMetrics().tmHeight;
    EXPECT_EQ(canvas.Pixel(10, 10), clYellow);
    EXPECT_EQ(canvas.Pixel(10 + canvas.TextWidth("ab"), 10), clWhite); // past the first cell
    EXPECT_EQ(canvas.Pixel(10 + canvas.TextWidth("longer line") - 1, 10 + h), clYellow);
    EXPECT_EQ(canvas.Pixel(10, 10 + 2 * h), clWhite);
}

} // namespace
} // namespace ui
