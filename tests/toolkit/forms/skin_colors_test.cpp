// The look's colour routines and the swap of a glyph's background.
#include <gtest/gtest.h>

#include "toolkit/forms/skin.h"

namespace {

class SkinColors : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }
};

struct ShadeCase {
    const char* Name;
    ui::TColor (*Shade)(ui::TColor, double);
    ui::TColor Input;
    double Divisor;
    ui::TColor Expected;
};

TEST_F(SkinColors, LightenAndDarkenTruncateEachChannel) {
    const ShadeCase cases[] = {
        // c + (c + 255) / n: 152 + 40.7, 165 + 42, 177 + 43.2.
        {"lighten adds (c + 255) / n", tk::LightenColor, 0xB1A598, 10, 0xDCCFC0},
        {"lighten black", tk::LightenColor, ui::clBlack, 10, 0x191919},
        {"lighten white is white", tk::LightenColor, ui::clWhite, 10, ui::clWhite},
        {"lighten limits to 255", tk::LightenColor, 0x00F000, 2, 0x7FFF7F},
        {"darken white by a quarter", tk::DarkenColor, ui::clWhite, 4, 0xBFBFBF},
        {"darken black is black", tk::DarkenColor, ui::clBlack, 4, ui::clBlack},
        {"darken truncates 127 - 63.5", tk::DarkenColor, 0x807F01, 2, 0x403F00},
        // A system colour is resolved before the arithmetic (the window colour is white).
        {"darken a system colour", tk::DarkenColor, ui::clWindow, 2, 0x7F7F7F},
    };
    for (const ShadeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Shade(c.Input, c.Divisor), c.Expected);
    }
}

TEST_F(SkinColors, ContrastDarkensUpToHalfOfTheByteSum) {
    struct Case {
        const char* Name;
        ui::TColor Input;
        ui::TColor Expected;
    } cases[] = {
        // 127 + 127 + 128 = 382: darkened by halving.
        {"sum 382 darkens", ui::TColor(ui::RGB(127, 127, 128)), ui::TColor(ui::RGB(63, 63, 64))},
        // 127 + 128 + 128 = 383: lightened by (c + 255) / 20.
        {"sum 383 lightens", ui::TColor(ui::RGB(127, 128, 128)),
         ui::TColor(ui::RGB(146, 147, 147))},
        {"a system colour stays", ui::clBtnFace, ui::clBtnFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(tk::ContrastColor(c.Input, 20, 2), c.Expected);
    }
}

TEST_F(SkinColors, ADivisorOfZeroGivesTheLimitsNotGarbage) {
    EXPECT_EQ(tk::LightenColor(0x102030, 0), ui::clWhite);
    EXPECT_EQ(tk::DarkenColor(0x102030, 0), ui::clBlack);
    // A zero channel divided by zero has no value; it stays at the lower limit.
    EXPECT_EQ(tk::DarkenColor(0x100000, 0), ui::clBlack);
    // The contrasting shade gives the colour back when its divisor cannot divide.
    EXPECT_EQ(tk::ContrastColor(0x102030, 10, 0), 0x102030);
    EXPECT_EQ(tk::ContrastColor(0xE0E0E0, 0, 10), 0xE0E0E0);
    EXPECT_NE(tk::ContrastColor(0xE0E0E0, 10, 0), 0xE0E0E0);
}

TEST_F(SkinColors, ReplaceBackgroundSwapsOnlyTheTopLeftColour) {
    ui::TBitmap glyph(4, 3);
    ui::TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(ui::clFuchsia);
    c.FillRect({0, 0, 4, 3});
    c.SetPixel(1, 1, ui::clRed);
    c.SetPixel(2, 1, 0xFE00FF); // close to the background, but not it
    tk::ReplaceBackground(glyph, ui::clGreen);
    ASSERT_EQ(glyph.Width(), 4);
    ASSERT_EQ(glyph.Height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            ui::TColor expected = ui::clGreen;
            if (x == 1 && y == 1)
                expected = ui::clRed;
            if (x == 2 && y == 1)
                expected = 0xFE00FF;
            EXPECT_EQ(glyph.Canvas().Pixel(x, y), expected) << x << "," << y;
        }
    }
    ui::TBitmap empty;
    tk::ReplaceBackground(empty, ui::clGreen);
    EXPECT_TRUE(empty.Empty());
}

} // namespace
