// MessageDialog shown to a scripted user: the keys and the mouse that answer it, the CLIENT
// question that Escape cannot answer, the heading, the automatic close and press (their timer
// driven tick by tick), the text limit and the calls that must fail quietly.
#include <gtest/gtest.h>

#include <functional>

#include "message_dialog_fixture.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/fmt_label.h"

namespace tk::test {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

// The timer a dialog asked for, kept instead of started so that the test plays its ticks.
struct TRecordedTimer {
    bool Started = false;
    ui::HWND Window = 0;
    uintptr_t Id = 0;
    unsigned Period = 0;
    ui::TTimerProc Tick;

    void Install() {
        SetAutoTimerStarter(
            [this](ui::HWND window, uintptr_t id, unsigned period, ui::TTimerProc tick) {
                Started = true;
                Window = window;
                Id = id;
                Period = period;
                Tick = std::move(tick);
            });
    }
    void Fire() { Tick(Window, ui::WM_TIMER, Id, 0); }
};

// The text label: "Message" alone names the form itself.
std::string ShownText(TScriptActor& u) {
    auto* label = dynamic_cast<TFmtLabel*>(u.Form().FindComponent("Message"));
    return label ? label->Caption() : "(no label)";
}

uint16_t AskClientQuestion() {
    return MessageDialog("Actualizati baza de date de pe SERVER ?", "UPGRADE baza de date SERVER ?",
                         mtConfirmation, ui::taCenter, MsgButtons({mbYes, mbNo}), mbNo);
}

uint16_t Inform(TMsgDlgBtn button = mbOK) {
    return MessageDialog("Arhiva lipseste.", "", mtError, ui::taCenter, MsgButtons({button}),
                         button);
}

TEST_F(MessageDialogTest, EscapeCannotAnswerTheClientQuestionButARightClickAnswersNo) {
    TScriptedUser user;
    user.Expect("Message", [](TScriptActor& u) {
        EXPECT_EQ(u.FocusedName(), "BtnNu");
        EXPECT_EQ(u.Text("Message"), "UPGRADE baza de date SERVER ?"); // the form's caption
        u.Key(ui::VK_ESCAPE);
        u.Then([](TScriptActor& later) {
            EXPECT_TRUE(later.Form().Visible());
            later.Click("Panel", ui::mbRight);
        });
    });
    EXPECT_EQ(AskClientQuestion(), 7);
    EXPECT_TRUE(user.Finish().empty());
}

TEST_F(MessageDialogTest, ARightClickOnAnyPartPressesTheDefaultButton) {
    // Where the user clicks: a part by name ("Message" names the form itself) or, for the text,
    // the middle of the label on its panel.
    const std::function<void(TScriptActor&)> clicks[] = {
        [](TScriptActor& u) { u.Click("Panel", ui::mbRight); },
        [](TScriptActor& u) { u.Click("Image", ui::mbRight); },
        [](TScriptActor& u) { u.Click("Message", ui::mbRight); },
        [](TScriptActor& u) {
            auto& label = dynamic_cast<ui::TControl&>(*u.Form().FindComponent("Message"));
            u.ClickAt("Panel", label.Left() + label.Width() / 2, label.Top() + label.Height() / 2,
                      ui::mbRight);
        },
        [](TScriptActor& u) {
            ui::TControl& row = *u.Control("BtnDa").Parent();
            u.ClickAt("Message", row.Left() + 2, row.Top() + 2, ui::mbRight);
        },
    };
    for (std::size_t i = 0; i < std::size(clicks); ++i) {
        TScriptedUser user;
        user.Expect("Message", clicks[i]);
        EXPECT_EQ(MessageDialog("Continuati ?", "", mtConfirmation, ui::taCenter,
                                MsgButtons({mbYes, mbNo}), mbYes),
                  6)
            << i;
        EXPECT_TRUE(user.Finish().empty()) << i;
    }
}

TEST_F(MessageDialogTest, KeysAnswerTheDialogAsItsButtonsAllow) {
    struct TCase {
        TMsgDlgButtons Buttons;
        TMsgDlgBtn Default;
        uint16_t Key;
        int Result;
    };
    const TCase table[] = {
        {MsgButtons({mbOK}), mbOK, ui::VK_ESCAPE, 1},           // OK alone answers Escape
        {MsgButtons({mbNo, mbCancel}), mbNo, ui::VK_ESCAPE, 2}, // Cancel beside No
        {MsgButtons({mbOK, mbCancel}), mbCancel, ui::VK_RETURN, 2},
        {MsgButtons({mbYes, mbNo}), mbYes, ui::VK_RETURN, 6},
    };
    for (const TCase& c : table) {
        TScriptedUser user;
        user.Expect("Message", [&c](TScriptActor& u) { u.Key(c.Key); });
        EXPECT_EQ(MessageDialog("x", "", mtWarning, ui::taCenter, c.Buttons, c.Default), c.Result);
        EXPECT_TRUE(user.Finish().empty());
    }
}

TEST_F(MessageDialogTest, TheHeadingPrecedesEveryMessageInUpperCase) {
    MessageHeading = "Pentru continuare";
    TScriptedUser user;
    user.Expect("Message", [](TScriptActor& u) {
        EXPECT_EQ(ShownText(u), "PENTRU CONTINUARE,\r\rIntroduceti discul 2");
        u.Click("BtnOK");
    });
    EXPECT_EQ(MessageDialog("Introduceti discul 2", "", mtWarning, ui::taCenter,
                            MsgButtons({mbOK, mbCancel}), mbOK),
              1);
    EXPECT_TRUE(user.Finish().empty());
}

TEST_F(MessageDialogTest, ClashingButtonsReturnZeroWithoutShowingAnything) {
    ui::Screen()->SetCursor(ui::crHourGlass);
    TScriptedUser user;
    EXPECT_EQ(MessageDialog("x", "", mtError, ui::taCenter, MsgButtons({mbNo, mbNoToAll}), mbNo),
              0);
    EXPECT_TRUE(user.ModalForms().empty());
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(ui::Screen()->Cursor(), ui::crHourGlass); // given back
    EXPECT_EQ(CurrentDialog, nullptr);
    ui::Screen()->SetCursor(ui::crDefault);
}

TEST_F(MessageDialogTest, TextsAtAndBeyondTheLimitAreShownCutToIt) {
    struct TCase {
        std::string Heading;
        std::string Text;
    };
    std::string words;
    while (words.size() < 3000)
        words += "cuvant ";
    const TCase table[] = {{"", std::string(kMessageTextLimit, 'x')},
                           {"", words},
                           {"Atentie", words},
                           {"", std::string(100000, 'y')}};
    for (const TCase& c : table) {
        MessageHeading = c.Heading;
        std::string shown;
        TScriptedUser user;
        user.Expect("Message", [&shown](TScriptActor& u) {
            shown = ShownText(u);
            u.Key(ui::VK_RETURN);
        });
        EXPECT_EQ(MessageDialog(c.Text, "", mtInformation, ui::taCenter, MsgButtons({mbOK}), mbOK),
                  1);
        EXPECT_TRUE(user.Finish().empty());
        EXPECT_EQ(shown, ComposeMessageText(c.Heading, c.Text));
        EXPECT_EQ(shown.size(),
                  std::min(kMessageTextLimit, ComposeMessageText(c.Heading, c.Text).size()));
    }
}

// Three clicks on the picture of a one-button dialog: it closes with 5 and switches the
// automatic close on; the next one-button dialog closes itself on the timer's second tick with
// 2; three clicks on a later one switch it off again.
TEST_F(MessageDialogTest, ThreePictureClicksSwitchTheAutomaticCloseOnAndOff) {
    UseMainForm();
    TRecordedTimer timer;
    timer.Install();

    TScriptedUser first;
    first.Expect("Message", [](TScriptActor& u) {
        u.Click("Image");
        u.Click("Image");
        EXPECT_EQ(u.Form().ModalResult(), 0);
        u.Click("Image");
    });
    EXPECT_EQ(Inform(), 5);
    EXPECT_TRUE(first.Finish().empty());
    EXPECT_EQ(AutoCloseCount, 1);
    EXPECT_FALSE(timer.Started); // the switch was off when that dialog was shown

    TScriptedUser second;
    second.Expect("Message", [&timer](TScriptActor& u) {
        ASSERT_TRUE(timer.Started);
        EXPECT_EQ(timer.Window, ui::Application()->MainForm()->Handle());
        EXPECT_EQ(timer.Id, 1u);
        EXPECT_EQ(timer.Period, 300u); // so the answer comes 600 ms after showing
        EXPECT_EQ(CurrentDialog, &u.Form());
        timer.Fire(); // the first tick is the dialog's grace
        u.ProcessMessages();
        EXPECT_TRUE(u.Form().Visible());
        EXPECT_EQ(u.Form().ModalResult(), 0);
        timer.Fire();
    });
    EXPECT_EQ(Inform(mbCancel), 2);
    EXPECT_TRUE(second.Finish().empty());
    EXPECT_EQ(CurrentDialog, nullptr);
    timer.Fire(); // a tick after its dialog is gone does nothing

    // A two-button dialog is not closed by the switch.
    timer.Started = false;
    TScriptedUser twoButtons;
    twoButtons.Expect("Message", [](TScriptActor& u) { u.Click("BtnRenunt"); });
    EXPECT_EQ(MessageDialog("x", "", mtWarning, ui::taCenter, MsgButtons({mbOK, mbCancel}), mbOK),
              2);
    EXPECT_FALSE(timer.Started);
    EXPECT_TRUE(twoButtons.Finish().empty());

    TScriptedUser third;
    third.Expect("Message", [](TScriptActor& u) {
        for (int i = 0; i < 3; ++i)
            u.Click("Image");
    });
    EXPECT_EQ(Inform(), 5);
    EXPECT_TRUE(third.Finish().empty());
    EXPECT_EQ(AutoCloseCount, 0);
}

TEST_F(MessageDialogTest, TheAutomaticPressClicksTheDefaultButtonOnTheSecondTick) {
    UseMainForm();
    TRecordedTimer timer;
    timer.Install();
    AutoPressDefault = 1;
    TScriptedUser user;
    user.Expect("Message", [&timer](TScriptActor& u) {
        ASSERT_TRUE(timer.Started);
        EXPECT_EQ(timer.Period, 0u); // raised by the platform to its shortest interval
        timer.Fire();
        u.ProcessMessages();
        EXPECT_EQ(u.Form().ModalResult(), 0);
        timer.Fire();
    });
    EXPECT_EQ(
        MessageDialog("x", "", mtWarning, ui::taCenter, MsgButtons({mbOK, mbCancel}), mbCancel), 2);
    EXPECT_TRUE(user.Finish().empty());

    // Without a main form no timer is started.
    ui::TCustomForm* main = ui::Application()->MainForm();
    ui::Application()->SetMainForm(nullptr);
    timer.Started = false;
    TScriptedUser manual;
    manual.Expect("Message", [](TScriptActor& u) { u.Key(ui::VK_RETURN); });
    EXPECT_EQ(Inform(), 1);
    EXPECT_FALSE(timer.Started);
    EXPECT_TRUE(manual.Finish().empty());
    ui::Application()->SetMainForm(main);
}

// The real message-loop timer: the dialog is left alone and closes itself.
TEST_F(MessageDialogTest, AnAutomaticallyClosedDialogAnswersTwoOnItsOwnTimer) {
    UseMainForm();
    AutoCloseCount = 1;
    TScriptedUser user;
    user.Expect("Message", [](TScriptActor&) {});
    EXPECT_EQ(Inform(), 2);
    EXPECT_TRUE(user.Finish().empty());
}

} // namespace
} // namespace tk::test
