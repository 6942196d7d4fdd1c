// What a kind gives a button: its caption only where none was given (for the glyph button:
// none at all; for the flat button: none through Caption), its modal result only where none
// was set, a hidden caption for the glyph button's navigation kinds; stored forms give their
// values before the kind.
#include <gtest/gtest.h>

#include "buttons_fixture.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/streaming/form_reader.h"
#include "toolkit/controls/mbutton.h"
#include "toolkit/controls/mbutton_kinds.h"
#include "toolkit/controls/nice_button.h"

namespace tk::test {
namespace {

TEST_F(ButtonsTest, ANewButtonTakesTheCaptionAndResultOfItsKind) {
    auto& glyph = Host.Place<TMButton>(10, 10, 90, 40);
    auto& flat = Host.Place<TNiceButton>(10, 60, 100, 28);
    EXPECT_EQ(glyph.Caption(), "");
    EXPECT_EQ(flat.Caption(), "");
    glyph.SetKind(mkYes);
    flat.SetKind(mkYes);
    EXPECT_EQ(glyph.Caption(), "&Da");
    EXPECT_EQ(glyph.ModalResult(), 6);
    EXPECT_EQ(flat.Caption(), "&Da");
    EXPECT_EQ(flat.ModalResult(), 6);
    glyph.SetKind(mkAll);
    EXPECT_EQ(glyph.ModalResult(), 12);
}

// Every kind: a modal result that was set is kept; a new glyph button gets the kind's caption
// and hides it for the navigation kinds.
TEST_F(ButtonsTest, EveryKindKeepsAGivenModalResultAndHidesOnlyNavigationCaptions) {
    for (int k = 0; k < ButtonKindCount; ++k) {
        auto kind = TMButtonKind(k);
        SCOPED_TRACE(KindName(k));
        auto& fresh = Host.Place<TMButton>(10, 10, 90, 40);
        fresh.SetKind(kind);
        EXPECT_EQ(fresh.Caption(), KindCaption(k));
        EXPECT_EQ(fresh.ModalResult(), KindModalResult(k));
        EXPECT_EQ(fresh.CaptionVisible(), kind >= mkAdd);

        auto& given = Host.Place<TNiceButton>(10, 60, 100, 28);
        given.SetModalResult(ui::mrNone);
        given.SetKind(kind == mkOK ? mkCancel : mkOK);
        given.SetKind(kind);
        EXPECT_EQ(given.ModalResult(), ui::mrNone);
        ui::Free(&fresh);
        ui::Free(&given);
    }
}

TEST_F(ButtonsTest, TheGlyphButtonTakesAKindCaptionOnlyWhenItHasNone) {
    auto& b = Host.Place<TMButton>(10, 10, 90, 40);
    b.SetKind(mkOK);
    b.SetKind(mkCancel);
    EXPECT_EQ(b.Caption(), "O&K"); // the first kind's caption stays
    EXPECT_EQ(b.ModalResult(), 2); // the result follows the kind until one is set
}

TEST_F(ButtonsTest, TheFlatButtonFollowsItsKindUntilACaptionIsGiven) {
    auto& b = Host.Place<TNiceButton>(10, 10, 100, 28);
    b.SetKind(mkOK);
    b.SetKind(mkCancel);
    EXPECT_EQ(b.Caption(), "&Renunt");
    b.SetCaption("&Abandon");
    b.SetKind(mkClose);
    EXPECT_EQ(b.Caption(), "&Abandon");
    EXPECT_EQ(b.ModalResult(), 2);
}

TEST_F(ButtonsTest, ANavigationKindHidesTheCaptionForGood) {
    auto& b = Host.Place<TMButton>(10, 10, 90, 40);
    b.SetKind(mkPrev);
    EXPECT_FALSE(b.CaptionVisible());
    b.SetKind(mkOK);
    EXPECT_FALSE(b.CaptionVisible());
    EXPECT_EQ(b.Caption(), "&p");
}

TEST_F(ButtonsTest, AStoredFormsCaptionAndModalResultWinOverTheKind) {
    ui::test::TOwned<ui::TForm> form = ui::test::NewForm<ui::TForm>();
    ui::ReadComponentText(*form,
                          "object Ecran: TForm\n"
                          "  object BNext: TMButton\n"
                          "    Left = 82\n"
                          "    Top = 52\n"
                          "    Width = 67\n"
                          "    Height = 51\n"
                          "    Caption = '&Continua'\n"
                          "    ModalResult = 1\n"
                          "    Kind = mknNext\n"
                          "    Spacing = 5\n"
                          "    ButtonLayout = blGlyphTop\n"
                          "  end\n"
                          "  object BBack: TMButton\n"
                          "    Caption = '&Inapoi'\n"
                          "    ModalResult = 0\n"
                          "    Kind = mkCancel\n"
                          "    LightButton = False\n"
                          "    Style = bsWin31\n"
                          "    Margin = 2\n"
                          "    NumGlyphs = 2\n"
                          "    CaptionVisible = False\n"
                          "    ColorOver = clWhite\n"
                          "  end\n"
                          "  object BCancel: TNiceButton\n"
                          "    Caption = '&Abandon'\n"
                          "    ModalResult = 2\n"
                          "    Kind = mkOK\n"
                          "    InsideDraw = True\n"
                          "    Stretch = True\n"
                          "    Buffered = True\n"
                          "    NumGlyphs = 1\n"
                          "  end\n"
                          "end\n",
                          "ecran.dfm");
    auto* next = dynamic_cast<TMButton*>(form->FindComponent("BNext"));
    auto* back = dynamic_cast<TMButton*>(form->FindComponent("BBack"));
    auto* cancel = dynamic_cast<TNiceButton*>(form->FindComponent("BCancel"));
    ASSERT_TRUE(next && back && cancel);
    EXPECT_EQ(next->Caption(), "&Continua");
    EXPECT_EQ(next->ModalResult(), 1);
    EXPECT_EQ(next->Kind(), mknNext);
    EXPECT_EQ(next->Spacing(), 5);
    EXPECT_EQ(next->ButtonLayout(), blGlyphTop);
    EXPECT_TRUE(next->CaptionVisible());
    EXPECT_EQ(back->ModalResult(), 0); // a stored 0 is a given result too
    EXPECT_FALSE(back->LightButton());
    EXPECT_EQ(back->Style(), bsWin31);
    EXPECT_EQ(back->Margin(), 2);
    EXPECT_EQ(back->NumGlyphs(), 2);
    EXPECT_FALSE(back->CaptionVisible());
    EXPECT_EQ(back->ColorOver(), ui::clWhite);
    EXPECT_EQ(cancel->Caption(), "&Abandon");
    EXPECT_EQ(cancel->ModalResult(), 2);
    EXPECT_EQ(cancel->Kind(), mkOK);
    EXPECT_TRUE(cancel->InsideDraw());
    EXPECT_TRUE(cancel->Stretch());
    EXPECT_TRUE(cancel->Buffered());
    EXPECT_EQ(cancel->NumGlyphs(), 1);
}

TEST_F(ButtonsTest, NewButtonsHaveTheirDefaults) {
    auto* glyph = new TMButton(&Host.Form());
    auto* flat = new TNiceButton(&Host.Form());
    EXPECT_EQ(glyph->Width(), 90);
    EXPECT_EQ(glyph->Height(), 40);
    EXPECT_EQ(glyph->Kind(), mkCustom);
    EXPECT_EQ(glyph->Color(), ui::clBtnFace);
    EXPECT_EQ(glyph->ColorOver(), ui::clBtnFace);
    EXPECT_TRUE(glyph->LightButton());
    EXPECT_EQ(glyph->Margin(), -1);
    EXPECT_EQ(glyph->Spacing(), 0);
    EXPECT_EQ(glyph->NumGlyphs(), 3);
    EXPECT_TRUE(glyph->DoubleBuffered());
    EXPECT_FALSE(glyph->ControlStyle() & ui::csDoubleClicks);
    EXPECT_TRUE(glyph->ControlStyle() & ui::csCaptureMouse);
    EXPECT_EQ(flat->BoundsRect(), (ui::TRect{0, 0, 100, 28}));
    EXPECT_EQ(flat->Kind(), mkCustom);
    EXPECT_TRUE(flat->CaptionVisible());
    EXPECT_FALSE(flat->InsideDraw());
    EXPECT_FALSE(flat->Stretch());
    EXPECT_EQ(flat->NumGlyphs(), 3);
    EXPECT_TRUE(flat->DoubleBuffered());
}

} // namespace
} // namespace tk::test
