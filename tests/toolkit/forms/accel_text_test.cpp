// Captions with a coloured accelerator letter, and engraved text.
#include <gtest/gtest.h>

#include "platform/ui/graphics/draw_text.h"
#include "toolkit/forms/skin.h"

namespace {

class AccelText : public ::testing::Test {
protected:
    void SetUp() override {
        tk::StartToolkit();
        ui::TCanvas& c = bitmap.Canvas();
        c.Brush().SetColor(ui::clWhite);
        c.FillRect({0, 0, Width, Height});
        c.Brush().SetStyle(ui::bsClear);
        c.Font().SetName("MS Sans Serif");
        c.Font().SetHeight(-11);
        c.Font().SetColor(ui::clBlack);
    }

    // Which colours occur in columns [x0, x1), and whether some row of them is one unbroken
    // line of a colour (an underline).
    bool Has(int x0, int x1, ui::TColor color) {
        for (int y = 0; y < Height; ++y)
            for (int x = x0; x < x1; ++x)
                if (bitmap.Canvas().Pixel(x, y) == color)
                    return true;
        return false;
    }
    bool Underlined(int x0, int x1, ui::TColor color) {
        for (int y = 0; y < Height; ++y) {
            bool line = true;
            for (int x = x0; x < x1 && line; ++x)
                line = bitmap.Canvas().Pixel(x, y) == color;
            if (line)
                return true;
        }
        return false;
    }
    int LetterWidth() { return bitmap.Canvas().TextWidth("C"); }

    static constexpr int Width = 120;
    static constexpr int Height = 24;
    ui::TBitmap bitmap{Width, Height};
};

TEST_F(AccelText, TheLetterStandsOutInItsColour) {
    tk::DrawAccelText(bitmap.Canvas(), "&Continua", {0, 0, Width, Height}, true, ui::clRed,
                      ui::DT_SINGLELINE | ui::DT_VCENTER);
    int c = LetterWidth();
    EXPECT_TRUE(Has(0, c, ui::clRed));
    EXPECT_FALSE(Has(0, c, ui::clBlack));
    EXPECT_TRUE(Underlined(0, c - 1, ui::clRed));
    EXPECT_TRUE(Has(c, Width, ui::clBlack));
    EXPECT_FALSE(Has(c, Width, ui::clRed));
    EXPECT_FALSE(Underlined(c + 2, c + 2 + LetterWidth(), ui::clBlack));
    // The canvas font is as it was.
    EXPECT_EQ(bitmap.Canvas().Font().Color(), ui::clBlack);
    EXPECT_EQ(bitmap.Canvas().Font().Style(), 0u);
}

TEST_F(AccelText, TheSameColourTogglesTheUnderlineInstead) {
    struct Case {
        const char* Name;
        ui::TFontStyles Style;
        bool LetterUnderlined;
        bool RestUnderlined;
    } cases[] = {
        {"plain font: the letter gets the line", 0, true, false},
        {"underlined font: the letter loses it", ui::fsUnderline, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        SetUp();
        bitmap.Canvas().Font().SetStyle(k.Style);
        tk::DrawAccelText(bitmap.Canvas(), "&Continua", {0, 0, Width, Height}, false, ui::clBlack,
                          ui::DT_SINGLELINE);
        bitmap.Canvas().Font().SetStyle(0);
        int c = LetterWidth();
        EXPECT_FALSE(Has(0, Width, ui::clRed));
        EXPECT_EQ(Underlined(0, c - 1, ui::clBlack), k.LetterUnderlined);
        EXPECT_EQ(Underlined(c + 2, c + 12, ui::clBlack), k.RestUnderlined);
    }
}

TEST_F(AccelText, CentringPlacesTheWholeCaption) {
    ui::TCanvas& c = bitmap.Canvas();
    int textWidth = c.TextWidth("Continua");
    tk::DrawAccelText(c, "Con&tinua", {0, 0, Width, Height}, true, ui::clRed,
                      ui::DT_SINGLELINE | ui::DT_CENTER | ui::DT_VCENTER);
    // The measured caption grows by 2 pixels and is moved right by half the room left.
    int left = (Width - (textWidth + 2)) / 2;
    int before = c.TextWidth("Con");
    EXPECT_FALSE(Has(0, left, ui::clBlack));
    EXPECT_TRUE(Has(left, left + before, ui::clBlack));
    EXPECT_FALSE(Has(left, left + before, ui::clRed));
    EXPECT_TRUE(Has(left + before, left + before + c.TextWidth("t"), ui::clRed));
    EXPECT_FALSE(Has(left + textWidth + 2, Width, ui::clBlack));
}

TEST_F(AccelText, OddCaptionsDrawWithoutHarm) {
    for (const char* text : {"", "&", "Fara", "abc&", "&&x", "a&b&c"}) {
        SCOPED_TRACE(text);
        tk::DrawAccelText(bitmap.Canvas(), text, {0, 0, Width, Height}, true, ui::clRed,
                          ui::DT_SINGLELINE | ui::DT_RIGHT);
        EXPECT_EQ(bitmap.Canvas().Font().Color(), ui::clBlack);
    }
    EXPECT_FALSE(Has(0, Width / 2, ui::clBlack)); // right aligned
}

TEST_F(AccelText, EngravedTextIsWhiteBelowGrey) {
    ui::TCanvas& c = bitmap.Canvas();
    c.Brush().SetStyle(ui::bsSolid);
    c.Brush().SetColor(ui::clNavy);
    c.FillRect({0, 0, Width, Height});
    c.Brush().SetStyle(ui::bsClear);
    tk::DrawEngravedText(c, {0, 0, Width, Height}, "Inactiv", ui::DT_SINGLELINE);
    EXPECT_TRUE(Has(0, Width, ui::clWhite));
    EXPECT_TRUE(Has(0, Width, ui::clGray));
    EXPECT_EQ(c.Font().Color(), ui::clGray);
    // The white copy lies one pixel right: the leftmost column of ink is grey.
    for (int x = 0; x < Width; ++x) {
        if (Has(x, x + 1, ui::clGray) || Has(x, x + 1, ui::clWhite)) {
            EXPECT_TRUE(Has(x, x + 1, ui::clGray));
            EXPECT_FALSE(Has(x, x + 1, ui::clWhite));
            break;
        }
    }
}

} // namespace
