// The titled form's behaviour towards the user: buttons greyed while another window is modal and
// given back the states they had, the caption mirrored to the title bar and greyed with it, a
// stored screen without "TitleBar1", the suppressed Alt+F4 and the minimize key.
#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/button_list.h"
#include "toolkit/forms/title_bar.h"

namespace tk::test {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

ui::TButton& Button(ui::TCustomForm& form, const char* name) {
    auto* button = dynamic_cast<ui::TButton*>(form.FindComponent(name));
    EXPECT_NE(button, nullptr) << name;
    return *button;
}

// Runs a modal dialog over the shown screen; during it, inside runs with the screen disabled.
void WithModalDialog(const std::function<void()>& inside) {
    TOwnedForm<ui::TForm> dialog(ui::CreateNewForm<ui::TForm>(nullptr));
    dialog->SetName("Dialog");
    dialog->SetBounds(200, 200, 200, 100);
    TScriptedUser user;
    user.Expect("Dialog", [&](TScriptActor& u) {
        inside();
        u.Form().SetModalResult(ui::mrOk);
    });
    dialog->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
}

struct TButtonCase {
    const char* Name;
    bool Before;  // Enabled when the dialog opens
    bool Changed; // what code sets while the screen is disabled
};

class ButtonStates : public FormsTest, public ::testing::WithParamInterface<TButtonCase> {};

TEST_P(ButtonStates, ComeBackAsTheyWereWhenTheDialogOpened) {
    const TButtonCase& c = GetParam();
    auto screen = MakeScreen();
    ui::TButton& next = Button(*screen, "BNext");
    ui::TButton& back = Button(*screen, "BBack");
    screen->Show();
    next.SetEnabled(c.Before);
    WithModalDialog([&] {
        EXPECT_FALSE(next.Enabled());
        EXPECT_FALSE(back.Enabled()); // every button greys, not only the one changed
        next.SetEnabled(c.Changed);
    });
    EXPECT_EQ(next.Enabled(), c.Before);
    EXPECT_TRUE(back.Enabled());
}

INSTANTIATE_TEST_SUITE_P(TitledForm, ButtonStates,
                         ::testing::Values(TButtonCase{"DisabledStaysDisabled", false, false},
                                           TButtonCase{"EnabledByCodeMeanwhile", false, true},
                                           TButtonCase{"DisabledByCodeMeanwhile", true, false},
                                           TButtonCase{"EnabledStaysEnabled", true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormsTest, TheFocusedButtonGetsTheFocusBack) {
    auto screen = MakeScreen();
    screen->Show();
    ui::TButton& abandon = Button(*screen, "BAbandon");
    abandon.SetFocus();
    ASSERT_TRUE(abandon.Focused());
    WithModalDialog([&] { EXPECT_EQ(screen->FocusButton, &abandon); });
    EXPECT_TRUE(abandon.Focused());
}

TEST_F(FormsTest, AButtonFreedWhileListedIsForgotten) {
    auto screen = MakeScreen();
    screen->Show();
    ASSERT_EQ(screen->Botoane()->Count(), 3);
    ui::Free(&Button(*screen, "BBack"));
    WithModalDialog([&] { EXPECT_FALSE(Button(*screen, "BNext").Enabled()); });
    EXPECT_EQ(screen->Botoane()->GetButton(0), nullptr);
    EXPECT_TRUE(Button(*screen, "BNext").Enabled());
}

// A stored screen with and without its title bar.
class TitleBarVariants : public FormsTest, public ::testing::WithParamInterface<TScreenVariant> {};

TEST_P(TitleBarVariants, CaptionAndGreyingGoToTheBarWhenThereIsOne) {
    bool hasBar = GetParam() == TScreenVariant::Stored;
    auto screen = MakeScreen(GetParam());
    EXPECT_EQ(screen->TitleBar != nullptr, hasBar);
    screen->Show();
    screen->SetCaption("Alegeti tipul instalarii");
    EXPECT_EQ(screen->TitleCaption(), hasBar ? "Alegeti tipul instalarii" : "");
    WithModalDialog([&] {
        if (hasBar) {
            EXPECT_TRUE(screen->TitleBar->Grayed());
        }
        EXPECT_FALSE(Button(*screen, "BNext").Enabled());
    });
    if (hasBar) {
        EXPECT_FALSE(screen->TitleBar->Grayed());
    }
    EXPECT_TRUE(Button(*screen, "BNext").Enabled());

    ui::TMinMaxInfo info;
    info.ptMinTrackSize = {1, 1};
    screen->Perform(ui::WM_GETMINMAXINFO, 0, ui::LPARAM(&info));
    int minimum = hasBar ? screen->Height() - screen->ClientHeight() + 25 : 1;
    EXPECT_EQ(info.ptMinTrackSize.Y, minimum);
}

INSTANTIATE_TEST_SUITE_P(TitledForm, TitleBarVariants,
                         ::testing::Values(TScreenVariant::Stored, TScreenVariant::WithoutTitleBar),
                         [](const auto& info) {
                             return info.param == TScreenVariant::Stored ? std::string("WithBar")
                                                                         : std::string("NoBar");
                         });

TEST_F(FormsTest, ALoadedScreenIsSetUpForTheKeysAndTheLimits) {
    struct TCase {
        TScreenVariant Variant;
        int MaxWidth;
    };
    for (TCase c : {TCase{TScreenVariant::Stored, 1926}, TCase{TScreenVariant::Sizeable, 0}}) {
        auto screen = MakeScreen(c.Variant);
        EXPECT_TRUE(screen->KeyPreview());
        EXPECT_TRUE(screen->DoubleBuffered());
        EXPECT_TRUE(screen->FormLoaded);
        EXPECT_TRUE(screen->FormCreated);
        // A sizeable form is held to the largest form size; a borderless one keeps its own.
        int expected = c.MaxWidth ? c.MaxWidth : MaxFormWidth;
        EXPECT_EQ(screen->Constraints().MaxWidth(), expected);
    }
}

struct TKeyCase {
    const char* Name;
    uint16_t Key;
    ui::TShiftState Shift;
    bool Minimizes;
};

class TitledFormKeys : public FormsTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(TitledFormKeys, NeitherCloseTheScreenNorReachItsHandler) {
    const TKeyCase& c = GetParam();
    auto screen = MakeScreen();
    screen->SetName("Ecran");
    std::vector<uint16_t> seen;
    screen->OnKeyDown = [&](ui::TObject*, uint16_t& key, ui::TShiftState) { seen.push_back(key); };
    bool minimized = false;
    ui::Application()->OnMinimize = [&](ui::TObject*) { minimized = true; };
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        u.Key(c.Key, c.Shift);
        u.Then([&](TScriptActor& later) {
            EXPECT_EQ(later.Form().ModalResult(), ui::mrNone) << "the key closed the screen";
            later.Form().SetModalResult(ui::mrOk);
        });
    });
    EXPECT_EQ(screen->ShowModal(), ui::mrOk);
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(minimized, c.Minimizes);
    for (uint16_t key : seen)
        EXPECT_NE(key, c.Key) << "the screen's own key handler saw the key";
    ui::Application()->Restore();
    ui::Application()->OnMinimize = nullptr;
}

INSTANTIATE_TEST_SUITE_P(TitledForm, TitledFormKeys,
                         ::testing::Values(TKeyCase{"AltF4", ui::VK_F4, ui::ssAlt, false},
                                           TKeyCase{"CtrlAltM", 'M', ui::ssCtrl | ui::ssAlt, true},
                                           TKeyCase{"CtrlAltShiftM", 'M',
                                                    ui::ssCtrl | ui::ssAlt | ui::ssShift, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormsTest, OtherKeysReachTheScreensHandler) {
    auto screen = MakeScreen();
    screen->SetName("Ecran");
    std::vector<uint16_t> seen;
    screen->OnKeyDown = [&](ui::TObject*, uint16_t& key, ui::TShiftState) { seen.push_back(key); };
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        u.Key('M', ui::ssCtrl);
        u.Key(ui::VK_F4);
        u.Form().SetModalResult(ui::mrOk);
    });
    screen->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_NE(std::find(seen.begin(), seen.end(), uint16_t('M')), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), ui::VK_F4), seen.end());
}

} // namespace
} // namespace tk::test
