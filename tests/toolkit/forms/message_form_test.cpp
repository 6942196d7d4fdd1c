// The message dialog's form and the mouse: a right click presses the default button; from the
// third left click on its picture on, each click switches the automatic answer.
#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/testing/scripted_user.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/message_form.h"
#include "toolkit/forms/message_switches.h"

namespace tk::test {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

// A dialog form as the message dialog builds it: a picture on a panel and a row of buttons, the
// last one the default and focused.
class MessageFormTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AutoCloseCount = 0;
        AutoPressDefault = 0;
    }
    void TearDown() override {
        AutoCloseCount = 0;
        AutoPressDefault = 0;
        FormsTest::TearDown();
    }
    TOwnedForm<TMessageForm> MakeDialog(std::vector<ui::TModalResult> results) {
        TOwnedForm<TMessageForm> form(ui::CreateNewForm<TMessageForm>(nullptr));
        form->SetName("Message");
        form->SetBounds(100, 100, 360, 200);
        auto* panel = new ui::TPanel(form.get());
        panel->SetName("Panel");
        panel->SetBounds(16, 16, 200, 90);
        panel->SetParent(form.get());
        Image = new TTransImage(form.get());
        Image->SetName("Image");
        Image->SetBounds(10, 10, 40, 40);
        Image->SetParent(panel);
        int left = 16;
        for (size_t i = 0; i < results.size(); ++i) {
            auto* button = new ui::TButton(form.get());
            button->SetName("Btn" + std::to_string(i));
            button->SetBounds(left, 150, 90, 28);
            button->SetModalResult(results[i]);
            button->SetDefault(i + 1 == results.size());
            button->SetParent(form.get());
            if (button->Default())
                form->SetActiveControl(button);
            left += 100;
        }
        return form;
    }
    void ClickImage(TMessageForm& form, int times) {
        for (int i = 0; i < times; ++i)
            form.UseMouse(Image, ui::mbLeft, 0, 5, 5);
    }
    TTransImage* Image = nullptr;
};

TEST_F(MessageFormTest, ARightClickAnywherePressesTheDefaultButton) {
    // On a button without a handler of its own, the answer to the click itself does it.
    for (const char* where : {"Message", "Panel", "Btn0"}) {
        auto dialog = MakeDialog({ui::mrYes, ui::mrNo});
        auto* panel = dynamic_cast<ui::TPanel*>(dialog->FindComponent("Panel"));
        panel->OnMouseDown = [d = dialog.get()](ui::TObject* sender, ui::TMouseButton button,
                                                ui::TShiftState shift, int x, int y) {
            d->UseMouse(sender, button, shift, x, y);
        };
        TScriptedUser user;
        user.Expect("Message", [&](TScriptActor& u) { u.ClickAt(where, 5, 5, ui::mbRight); });
        EXPECT_EQ(dialog->ShowModal(), ui::mrNo) << "right click on " << where;
        EXPECT_TRUE(user.Finish().empty());
    }
}

TEST_F(MessageFormTest, ThreeClicksOnAOneButtonDialogsPictureSwitchAutomaticClosing) {
    auto first = MakeDialog({ui::mrOk});
    ClickImage(*first, 2);
    EXPECT_EQ(first->ModalResult(), ui::mrNone);
    EXPECT_EQ(AutoCloseCount, 0);
    ClickImage(*first, 1);
    EXPECT_EQ(first->ModalResult(), ui::mrIgnore);
    EXPECT_EQ(AutoCloseCount, 1);
    EXPECT_EQ(AutoPressDefault, 0);

    auto later = MakeDialog({ui::mrOk}); // counts from 0 again
    ClickImage(*later, 2);
    EXPECT_EQ(AutoCloseCount, 1);
    ClickImage(*later, 1);
    EXPECT_EQ(AutoCloseCount, 0);
}

TEST_F(MessageFormTest, PictureClicksOnATwoButtonDialogSwitchPressingTheDefault) {
    auto dialog = MakeDialog({ui::mrYes, ui::mrNo});
    ClickImage(*dialog, 3);
    EXPECT_EQ(AutoPressDefault, 1);
    EXPECT_EQ(AutoCloseCount, 0);
    EXPECT_EQ(dialog->ModalResult(), ui::mrNo); // the default button was pressed
    ClickImage(*dialog, 1);
    EXPECT_EQ(AutoPressDefault, 0);
}

TEST_F(MessageFormTest, OnlyLeftAndMiddleClicksOnThePictureCount) {
    auto dialog = MakeDialog({ui::mrOk});
    auto* panel = dialog->FindComponent("Panel");
    for (int i = 0; i < 5; ++i)
        dialog->UseMouse(panel, ui::mbLeft, 0, 5, 5);
    dialog->UseMouse(Image, ui::mbMiddle, 0, 5, 5);
    EXPECT_EQ(dialog->Clickuri, 1);
    EXPECT_EQ(AutoCloseCount, 0);
    EXPECT_EQ(dialog->ModalResult(), ui::mrNone);
}

} // namespace
} // namespace tk::test
