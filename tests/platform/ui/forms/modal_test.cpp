// The modal loop: the other visible top-level windows are disabled and told so, a nested modal
// form works, everything is enabled again afterwards and the activation goes back to the form
// that was active; closing requests that are refused keep the form open.
#include <gtest/gtest.h>

#include "platform/ui/core/exceptions.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

TEST(ModalLoop, ASecondModalFormDisablesTheFirstWhichIsToldBothWays) {
    TSampleForm* first = CreateForm<TSampleForm>(Application());
    auto bystander = test::NewForm<TSampleForm>(); // a visible form outside the modal chain
    bystander->SetBounds(600, 10, 100, 60);
    bystander->Show();
    auto hidden = test::NewForm<TSampleForm>(); // a hidden one is left alone
    hidden->Handle();

    bool firstDisabledMeanwhile = false;
    bool bystanderDisabledMeanwhile = false;
    TScriptedUser user;
    user.Expect("SampleForm",
                [&](TScriptActor& u) {
                    EXPECT_TRUE(IsWindowEnabled(first->Handle()));
                    u.Key(VK_F2); // opens the second form modally; returns when it is closed
                    EXPECT_EQ(GetActiveWindow(), first->Handle());
                    EXPECT_EQ(u.FocusedName(), "ContinueButton");
                    u.Key(VK_RETURN);
                })
        .Expect("SampleForm", [&](TScriptActor& u) {
            firstDisabledMeanwhile = !IsWindowEnabled(first->Handle());
            bystanderDisabledMeanwhile = !IsWindowEnabled(bystander->Handle());
            EXPECT_EQ(GetActiveWindow(), u.Form().Handle());
            u.Key(VK_ESCAPE);
        });
    EXPECT_EQ(first->ShowModal(), mrOk);
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(first->NestedResult, 4);
    EXPECT_TRUE(firstDisabledMeanwhile);
    EXPECT_TRUE(bystanderDisabledMeanwhile);
    EXPECT_EQ(first->EnableLog, (std::vector<bool>{false, true}));
    EXPECT_EQ(bystander->EnableLog, (std::vector<bool>{false, true}));
    EXPECT_TRUE(hidden->EnableLog.empty());
    EXPECT_TRUE(IsWindowEnabled(bystander->Handle()));
    EXPECT_FALSE(first->Visible());
    EXPECT_EQ(GetActiveWindow(), bystander->Handle()); // it was active before the modal form
    Free(first);
}

TEST(ModalLoop, AWindowThatEnablesItselfStaysUsableWhileAFormIsModal) {
    auto viewer = test::NewForm<TSampleForm>();
    viewer->Show();
    TScriptedUser user;
    user.Expect("SampleForm", [&](TScriptActor& u) {
        EnableWindow(viewer->Handle(), true);
        EXPECT_TRUE(IsWindowEnabled(viewer->Handle()));
        u.Key(VK_RETURN);
    });
    auto modal = test::TOwned<TSampleForm>(CreateForm<TSampleForm>(nullptr));
    EXPECT_EQ(modal->ShowModal(), mrOk);
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_TRUE(IsWindowEnabled(viewer->Handle()));
    EXPECT_EQ(viewer->EnableLog, (std::vector<bool>{false, true}));
}

TEST(ModalLoop, RefusedClosingKeepsTheFormOpen) {
    auto form = test::TOwned<TSampleForm>(CreateForm<TSampleForm>(nullptr));
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TScriptedUser user;
    user.Expect("SampleForm", [&](TScriptActor& u) {
        u.Key(VK_ESCAPE); // refused: the loop resets the result and goes on
        u.Then([&](TScriptActor& later) {
            EXPECT_TRUE(later.Form().Visible());
            EXPECT_EQ(later.Form().ModalResult(), mrNone);
            later.Key(VK_ESCAPE);
        });
    });
    EXPECT_EQ(form->ShowModal(), 4);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(user.Finish().empty());

    form->OnCloseQuery = nullptr;
    form->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    TScriptedUser again;
    again.Expect("SampleForm", [&](TScriptActor& u) {
        u.Key(VK_RETURN);
        u.Then([&](TScriptActor& later) {
            EXPECT_TRUE(later.Form().Visible());
            later.Form().OnClose = nullptr;
            later.Key(VK_RETURN);
        });
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_TRUE(again.Finish().empty());
}

TEST(ModalLoop, AVisibleFormCannotBeShownModally) {
    auto form = test::NewForm<TSampleForm>();
    form->Show();
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST(ModalLoop, TheScriptedUserClosesAFormNobodyExpected) {
    auto form = test::TOwned<TSampleForm>(CreateForm<TSampleForm>(nullptr));
    TScriptedUser user;
    EXPECT_EQ(form->ShowModal(), mrCancel);
    std::vector<std::string> failures = user.Finish();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("SampleForm"), std::string::npos);
}

} // namespace
} // namespace ui::testing
