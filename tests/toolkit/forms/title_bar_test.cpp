// The title bar: its scale and defaults from the owner form, the caption's room, the band (a
// gradient only on a full-colour display and only between different colours), the caption cut
// at its room's right edge without prefix processing, the grey caption, and a stored bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/ui/forms/form.h"
#include "platform/ui/ui_test_support.h"
#include "titles_test_support.h"
#include "toolkit/forms/title_bar.h"

namespace tk {
namespace {

using ui::test::TControlHost;

class TitleBar : public ::testing::Test {
protected:
    void SetUp() override { StartToolkit(); }
};

struct TScaleCase {
    int PixelsPerInch;
    double Scara;
    int Height;   // Round(25 x Scara), halves to the even neighbour
    int FontSize; // 10 only at exactly 96 pixels per inch
};

class TitleBarScale : public TitleBar, public ::testing::WithParamInterface<TScaleCase> {};

TEST_P(TitleBarScale, TheOwnerFormsPixelsPerInchGiveScaleHeightAndFont) {
    const TScaleCase& c = GetParam();
    auto form = ui::test::NewForm<ui::TForm>();
    form->SetPixelsPerInch(c.PixelsPerInch);
    auto* bar = new TTitleBar(form.get());
    EXPECT_DOUBLE_EQ(bar->Scara, c.Scara);
    EXPECT_EQ(bar->Height(), c.Height);
    EXPECT_EQ(bar->Font().Size(), c.FontSize);
    EXPECT_EQ(bar->Font().Name(), "Ms Sans Serif");
    EXPECT_EQ(bar->Font().Style(), ui::fsBold);
    EXPECT_EQ(bar->CaptionColor(), ui::clBlack);
    EXPECT_EQ(bar->StartColor(), 0x4D3004);
    EXPECT_EQ(bar->EndColor(), 0xEFEFEF);
    EXPECT_EQ(bar->Color(), 0x4D3004);
    EXPECT_EQ(bar->IconStyle(), isNone);
    EXPECT_FALSE(bar->Vertical());
    EXPECT_FALSE(bar->Grayed());
    EXPECT_EQ(bar->BmpIndex, -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleBarScale,
                         ::testing::Values(TScaleCase{96, 1.0, 25, 10},
                                           TScaleCase{120, 1.25, 31, 11},
                                           TScaleCase{144, 1.5, 38, 11},
                                           TScaleCase{72, 0.75, 19, 11}),
                         [](const auto& info) { return std::to_string(info.param.PixelsPerInch); });

TEST_F(TitleBar, WithoutAFormOwnerTheScaleIsOne) {
    ui::test::TOwned<TTitleBar> bar(new TTitleBar(nullptr));
    EXPECT_DOUBLE_EQ(bar->Scara, 1.0);
    EXPECT_EQ(bar->Height(), 25);
}

TEST_F(TitleBar, TheIconStyleReservesRoomLeftOfTheCaption) {
    TControlHost host(420, 100);
    auto& bar = host.Place<TTitleBar>(0, 0, 300, 25);
    int icon = IconFaceBitmap->Width() / 2 + 15;
    struct {
        TIconStyle Style;
        int IconSpace;
    } cases[] = {{isSearch, icon}, {isDetail, icon}, {isNone, 10}};
    for (const auto& c : cases) {
        bar.SetIconStyle(c.Style);
        EXPECT_EQ(bar.IconSpace, c.IconSpace);
        EXPECT_EQ(bar.CaptionWidth(), 300 - c.IconSpace - 10);
    }
    bar.SetIconStyle(isSearch);
    bar.SetWidth(200);
    EXPECT_EQ(bar.CaptionWidth(), 200 - icon - 10);
}

struct TBandCase {
    const char* Name;
    bool HighColor;
    bool Vertical;
    ui::TColor Start; // clNone: the constructor's colour stays
    ui::TColor End;
    bool Gradient;
};

const TBandCase BandCases[] = {
    {"equal_full_colour", true, false, 0x78695C, 0x78695C, false},
    {"equal_low_colour", false, false, 0x78695C, 0x78695C, false},
    {"different_full_colour", true, false, 0x4D3004, 0xEFEFEF, true},
    {"different_low_colour", false, false, 0x4D3004, 0xEFEFEF, false},
    {"vertical_full_colour", true, true, 0x4D3004, 0xEFEFEF, true},
    {"message_dialog_full_colour", true, false, 8540422, ui::clNone, true},
    {"message_dialog_low_colour", false, false, 8540422, ui::clNone, false},
};

class TitleBarBand : public TitleBar, public ::testing::WithParamInterface<TBandCase> {};

TEST_P(TitleBarBand, AGradientOnlyOnAFullColourDisplayBetweenDifferentColours) {
    const TBandCase& c = GetParam();
    test::THighColor display(c.HighColor);
    TControlHost host(420, 100);
    auto& bar = host.Place<TTitleBar>(0, 0, 400, 25);
    bar.SetStartColor(c.Start);
    if (c.End != ui::clNone)
        bar.SetEndColor(c.End);
    bar.SetVertical(c.Vertical);
    ui::TBitmap picture = host.Snapshot();
    ui::TColor start = ui::TColor(ui::ColorToRGB(c.Start));
    ui::TColor end = ui::TColor(ui::ColorToRGB(bar.EndColor()));
    // The first line, along the band's edge, always has the start colour.
    for (int i = 0; i < (c.Vertical ? 400 : 25); ++i)
        EXPECT_EQ(c.Vertical ? picture.Canvas().Pixel(i, 0) : picture.Canvas().Pixel(0, i), start);
    ui::TColor last = c.Vertical ? picture.Canvas().Pixel(0, 24) : picture.Canvas().Pixel(399, 0);
    if (!c.Gradient) {
        EXPECT_EQ(last, start);
        return;
    }
    // A gradient: a middle line lies between the colours, and the last one is no further
    // from the end colour than one step on every channel.
    ui::TColor middle = c.Vertical ? picture.Canvas().Pixel(0, 12) : picture.Canvas().Pixel(200, 0);
    EXPECT_NE(middle, start);
    EXPECT_NE(middle, end);
    int lines = c.Vertical ? 25 : 400;
    for (int shift : {0, 8, 16}) {
        int from = (start >> shift) & 0xFF;
        int to = (end >> shift) & 0xFF;
        int got = (last >> shift) & 0xFF;
        EXPECT_LE(std::abs(to - got), int(std::ceil(std::abs(to - from) / double(lines))))
            << "channel at bit " << shift;
        EXPECT_LE(std::abs(got - from), std::abs(to - from)) << "channel at bit " << shift;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleBarBand, ::testing::ValuesIn(BandCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A flat bar with a white caption, as the wizard screens store it.
TTitleBar& PlaceScreenBar(TControlHost& host, int width, const std::string& caption) {
    auto& bar = host.Place<TTitleBar>(0, 0, width, 25);
    bar.SetStartColor(0x78695C);
    bar.SetEndColor(0x78695C);
    bar.SetCaptionColor(ui::clWhite);
    bar.SetCaption(caption);
    return bar;
}

int LineHeight(TTitleBar& bar) {
    ui::TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(bar.Font());
    return scratch.Canvas().TextHeight("Wg");
}

TEST_F(TitleBar, ALongCaptionIsCutAtTheRightOfItsRoomNotWrapped) {
    TControlHost host(420, 100);
    auto& bar = PlaceScreenBar(host, 150, std::string(40, 'W'));
    ui::TBitmap picture = host.Snapshot();
    int x0 = 5 + bar.IconSpace;
    int right = x0 + bar.CaptionWidth();
    int lastColumn = -1;
    int lowest = -1;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 150; ++x)
            if (picture.Canvas().Pixel(x, y) == ui::clWhite) {
                lastColumn = std::max(lastColumn, x);
                lowest = std::max(lowest, y);
            }
    EXPECT_LT(lastColumn, right);
    // No ellipsis or shortening: the text runs up to the cut.
    EXPECT_GE(lastColumn, right - 3);
    // One line only: nothing below the first line's height.
    int top = (25 - LineHeight(bar)) / 2;
    EXPECT_LT(lowest, top + LineHeight(bar));
}

TEST_F(TitleBar, AnAmpersandInTheCaptionIsShown) {
    TControlHost host(420, 100);
    PlaceScreenBar(host, 300, "&");
    ui::TBitmap picture = host.Snapshot();
    EXPECT_GT(test::CountColor(picture, {0, 0, 300, 25}, ui::clWhite), 0);
}

TEST_F(TitleBar, GrayedRewritesTheCaptionInGreyOverTheBand) {
    TControlHost host(420, 100);
    auto& bar = PlaceScreenBar(host, 300, "Tip instalare");
    host.Snapshot();
    bar.SetGrayed(true);
    ui::TBitmap picture;
    ui::SnapshotWindow(host.Form().Handle(), picture);
    EXPECT_GT(test::CountColor(picture, {0, 0, 300, 25}, 0x808080), 0);
    EXPECT_EQ(picture.Canvas().Pixel(1, 1), 0x78695C);
}

TEST_F(TitleBar, GrayedOnAnInvisibleBarShowsAtTheNextPaint) {
    TControlHost host(420, 100);
    auto& bar = PlaceScreenBar(host, 300, "Tip instalare");
    bar.SetVisible(false);
    host.Snapshot();
    bar.SetGrayed(true);
    ui::TBitmap hidden;
    ui::SnapshotWindow(host.Form().Handle(), hidden);
    EXPECT_EQ(test::CountColor(hidden, {0, 0, 300, 25}, 0x808080), 0);
    EXPECT_EQ(test::CountColor(hidden, {0, 0, 300, 25}, 0x78695C), 0);
    bar.SetVisible(true);
    ui::TBitmap shown = host.Snapshot();
    EXPECT_GT(test::CountColor(shown, {0, 0, 300, 25}, 0x808080), 0);
    EXPECT_EQ(test::CountColor(shown, {0, 0, 300, 25}, ui::clWhite), 0);
}

TEST_F(TitleBar, AStoredBarTakesItsPropertiesOverTheConstructorsValues) {
    auto form = ui::test::TOwned<ui::TForm>(
        ui::CreateFormFromText<ui::TForm>(nullptr,
                                          "object Ecran: TForm\n"
                                          "  Width = 400\n"
                                          "  Height = 300\n"
                                          "  object TitleBar1: TTitleBar\n"
                                          "    Align = alTop\n"
                                          "    Caption = 'Tip instalare'\n"
                                          "    CaptionColor = clWhite\n"
                                          "    StartColor = 7891292\n"
                                          "    EndColor = 7891292\n"
                                          "    IconStyle = isSearch\n"
                                          "    Font.Height = -13\n"
                                          "  end\n"
                                          "end\n",
                                          "ecran.dfm"));
    auto* bar = dynamic_cast<TTitleBar*>(form->FindComponent("TitleBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Caption(), "Tip instalare");
    EXPECT_EQ(bar->CaptionColor(), ui::clWhite);
    EXPECT_EQ(bar->StartColor(), 7891292);
    EXPECT_EQ(bar->EndColor(), 7891292);
    EXPECT_EQ(bar->IconStyle(), isSearch);
    EXPECT_EQ(bar->Font().Height(), -13);
    EXPECT_EQ(bar->Font().Style(), ui::fsBold);
    EXPECT_EQ(bar->Height(), 25);
}

} // namespace
} // namespace tk
