// The dialog as built: its parts and their names, the places the arithmetic gives them for
// short, long and multi-line texts with and without a picture, the captions and the heading.
#include <gtest/gtest.h>

#include "message_dialog_fixture.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/stdctrls/bevel.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/fmt_label.h"
#include "toolkit/controls/nice_button.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/message_dialog_form.h"
#include "toolkit/forms/message_dialog_layout.h"
#include "toolkit/forms/title_bar.h"

namespace tk::test {
namespace {

TBuiltDialog Build(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                   TMsgDlgBtn defaultButton, const std::string& caption = "") {
    TMessageDialogSpec request;
    request.Text = text;
    request.Caption = caption;
    request.DlgType = type;
    request.Buttons = buttons;
    request.DefaultButton = defaultButton;
    return TBuiltDialog(CreateMessageDialog(request));
}

template <class T> T& Part(TMessageForm& form, const std::string& name) {
    auto* part = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(part, nullptr) << name;
    return *part;
}

// The button row: the one panel without a name.
ui::TPanel& ButtonRow(TMessageForm& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* panel = dynamic_cast<ui::TPanel*>(form.Components(i)))
            if (panel->Name().empty())
                return *panel;
    ADD_FAILURE() << "no button row";
    return Part<ui::TPanel>(form, "Panel");
}

ui::TRect BoundsOf(ui::TControl& c) {
    return ui::Bounds(c.Left(), c.Top(), c.Width(), c.Height());
}

struct TTextCase {
    const char* Name;
    std::string Text;
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
};

class MessageDialogBuilt : public MessageDialogTest,
                           public ::testing::WithParamInterface<TTextCase> {};

TEST_P(MessageDialogBuilt, PartsStandWhereTheArithmeticPutsThem) {
    const TTextCase& c = GetParam();
    TBuiltDialog dialog = Build(c.Text, c.Type, c.Buttons, mbOK);
    TMessageForm& form = *dialog;

    ui::TFont bold(form.Font());
    bold.SetStyle(ui::fsBold);
    const ui::TSize text = MeasureMessageText(c.Text, bold, ui::Screen()->Width());
    const ui::TBitmap& icon = *MsgTypeGlyph(c.Type);
    const int buttonCount = int(ShownButtons(c.Buttons).size());
    const TMessageLayout want =
        LayOutMessage({text.cx, text.cy, icon.Width(), icon.Height(), buttonCount, 25});

    // The measure wraps at half the screen's width.
    EXPECT_LE(text.cx, ui::Screen()->Width() / 2);
    EXPECT_GT(text.cx, 0);

    ASSERT_NE(form.TitleBar, nullptr);
    EXPECT_EQ(form.TitleBar->Height(), 25);
    EXPECT_EQ(form.ClientWidth(), want.FormClientWidth);
    EXPECT_EQ(form.ClientHeight(), want.FormClientHeight);
    ui::TPanel& panel = Part<ui::TPanel>(form, "Panel");
    EXPECT_EQ(BoundsOf(panel), want.TextPanel);
    EXPECT_EQ(panel.ClientWidth(), want.TextPanel.Width());
    EXPECT_EQ(BoundsOf(Part<TFmtLabel>(form, "Message")), want.Label);
    EXPECT_EQ(BoundsOf(Part<TTransImage>(form, "Image")), want.Icon);
    EXPECT_EQ(BoundsOf(Part<ui::TBevel>(form, "Bevel")), want.Bevel);
    ui::TPanel& row = ButtonRow(form);
    EXPECT_EQ(BoundsOf(row), want.ButtonPanel);
    EXPECT_EQ(row.ControlCount(), buttonCount);
    for (int i = 0; i < row.ControlCount(); ++i)
        EXPECT_EQ(BoundsOf(*row.Controls(i)), DialogButtonBounds(i)) << i;
    // In the middle of the screen by its outer size.
    EXPECT_EQ(form.Left(), ui::Screen()->Width() / 2 - form.Width() / 2);
    EXPECT_EQ(form.Top(), ui::Screen()->Height() / 2 - form.Height() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MessageDialogBuilt,
    ::testing::Values(
        TTextCase{"ShortWithIcon", "Continuati ?", mtConfirmation, MsgButtons({mbYes, mbNo})},
        TTextCase{"ShortWithoutIcon", "Gata.", mtCustom, MsgButtons({mbOK})},
        TTextCase{"LongWithIcon",
                  "Nu gasesc biblioteca de actualizare a bazei de date in directorul programului, "
                  "asa ca actualizarea nu poate continua; reluati instalarea de pe discul original "
                  "sau cereti un kit complet de la furnizor.",
                  mtError, MsgButtons({mbCancel})},
        TTextCase{"LongWithoutIcon", std::string(40, 'W') + " " + std::string(60, 'i'), mtCustom,
                  MsgButtons({mbOK, mbCancel})},
        TTextCase{"MultiLineWithIcon", "Introduceti discul 2\r\rin unitatea A:\rsi apasati OK",
                  mtWarning, MsgButtons({mbOK, mbCancel})},
        TTextCase{"MultiLineWithoutIcon", "unu\rdoi\rtrei\rpatru\rcinci\rsase", mtCustom,
                  MsgButtons({mbAbort, mbRetry, mbIgnore})}),
    [](const ::testing::TestParamInfo<TTextCase>& info) { return std::string(info.param.Name); });

TEST_F(MessageDialogTest, AYesNoQuestionHasA232PixelButtonRowAndAPanelAsWide) {
    TBuiltDialog dialog = Build("Da ?", mtConfirmation, MsgButtons({mbYes, mbNo}), mbNo);
    EXPECT_EQ(ButtonRow(*dialog).Width(), 232);
    EXPECT_EQ(ButtonRow(*dialog).Height(), 43);
    EXPECT_GE(Part<ui::TPanel>(*dialog, "Panel").ClientWidth(), 232);
    EXPECT_EQ(dialog->ClientWidth(), Part<ui::TPanel>(*dialog, "Panel").Width() + 32);
}

TEST_F(MessageDialogTest, ButtonsAreNamedAfterTheirCaptionsAndCarryTheirKindsResults) {
    TBuiltDialog dialog = Build("x", mtInformation,
                                MsgButtons({mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore,
                                            mbAll, mbHelp, mbClose}),
                                mbRetry);
    struct TExpected {
        const char* Name;
        const char* Caption;
        int Result;
    };
    const TExpected table[] = {{"BtnDa", "&Da", 6},           {"BtnNu", "&Nu", 7},
                               {"BtnOK", "O&K", 1},           {"BtnRenunt", "&Renunt", 2},
                               {"BtnAbandon", "&Abandon", 3}, {"BtnRetry", "&Retry", 4},
                               {"BtnIgnora", "&Ignora", 5},   {"BtnToate", "&Toate", 12},
                               {"BtnSfaturi", "S&faturi", 0}, {"BtnIesire", "I&esire", 2}};
    ui::TPanel& row = ButtonRow(*dialog);
    ASSERT_EQ(row.ControlCount(), int(std::size(table)));
    for (int i = 0; i < row.ControlCount(); ++i) {
        auto* button = dynamic_cast<TNiceButton*>(row.Controls(i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Name(), table[i].Name); // and in table order
        EXPECT_EQ(button->Caption(), table[i].Caption);
        EXPECT_EQ(button->ModalResult(), table[i].Result);
        EXPECT_EQ(button->Owner(), dialog.get());
        EXPECT_EQ(button->Default(), button->Name() == "BtnRetry");
    }
    EXPECT_EQ(dialog->ActiveControl(), dialog->FindComponent("BtnRetry"));
}

TEST_F(MessageDialogTest, ToAllButtonsStandInForNoAndAll) {
    TBuiltDialog dialog =
        Build("x", mtInformation, MsgButtons({mbYes, mbNoToAll, mbYesToAll}), mbYes);
    EXPECT_NE(dialog->FindComponent("BtnNu"), nullptr);
    EXPECT_NE(dialog->FindComponent("BtnToate"), nullptr);
}

TEST_F(MessageDialogTest, ADefaultButtonThatIsNotShownLeavesNoDefault) {
    TBuiltDialog dialog = Build("x", mtWarning, MsgButtons({mbOK, mbCancel}), mbYes);
    for (const char* name : {"BtnOK", "BtnRenunt"})
        EXPECT_FALSE(Part<ui::TButton>(*dialog, name).Default()) << name;
    EXPECT_EQ(dialog->ActiveControl(), nullptr);
}

TEST_F(MessageDialogTest, CaptionsDefaultByKindAndACustomDialogHasNoPicture) {
    struct TCase {
        TMsgDlgType Type;
        std::string Caption;
        std::string Shown;
    };
    const TCase table[] = {{mtError, "", "EROARE !"},
                           {mtWarning, "", "Atentie !"},
                           {mtInformation, "", "Informatie..."},
                           {mtConfirmation, "", "Confirmare..."},
                           {mtCustom, "", ""},
                           {mtError, "Program incomplet!", "Program incomplet!"}};
    for (const TCase& c : table) {
        TBuiltDialog dialog = Build("x", c.Type, MsgButtons({mbOK}), mbOK, c.Caption);
        EXPECT_EQ(dialog->Caption(), c.Shown);
        EXPECT_EQ(dialog->TitleBar->Caption(), c.Shown);
        EXPECT_EQ(dialog->Name(), "Message");
        TTransImage& image = Part<TTransImage>(*dialog, "Image");
        const bool custom = c.Type == mtCustom;
        EXPECT_EQ(image.Width() == 0 && image.Height() == 0, custom) << c.Shown;
        EXPECT_EQ(image.Width(), MsgTypeGlyph(c.Type)->Width());
    }
}

TEST_F(MessageDialogTest, DuplicateButtonNamesFailTheBuildAndLeaveNothingBehind) {
    const int before = ui::Application()->ComponentCount();
    for (TMsgDlgButtons clash : {MsgButtons({mbNo, mbNoToAll}), MsgButtons({mbAll, mbYesToAll})})
        EXPECT_THROW(Build("x", mtError, clash, mbNo), ui::EComponentError);
    EXPECT_EQ(ui::Application()->ComponentCount(), before);
}

} // namespace
} // namespace tk::test
