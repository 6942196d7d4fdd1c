// Notifications a control receives when the original platform sends them: text, font, colour
// and enabled changes; parent font and colour handed down while ParentFont / ParentColor hold;
// focus entering and leaving; activation of forms.
#include <gtest/gtest.h>

#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui {
namespace {

class TListener : public TCustomControl {
public:
    explicit TListener(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::vector<UINT> Seen;
    void Dispatch(TMessage& m) override {
        switch (m.Msg) {
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
        case CM_COLORCHANGED:
        case CM_ENABLEDCHANGED:
        case CM_ENTER:
        case CM_EXIT:
        case WM_ENABLE:
            Seen.push_back(m.Msg);
            break;
        default:
            break;
        }
        TCustomControl::Dispatch(m);
    }
};

TEST(Notifications, ChangesAreAnnouncedAndParentsHandDownFontAndColour) {
    auto form = test::NewForm<TForm>();
    auto* listener = new TListener(form.get());
    listener->SetParent(form.get());
    form->Show();
    listener->Seen.clear();

    listener->SetCaption("unu");
    listener->SetCaption("unu"); // unchanged: no notification
    listener->Font().SetHeight(-20);
    listener->SetColor(clYellow);
    listener->SetEnabled(false);
    // Disabling the focused control takes the focus away from it first.
    EXPECT_EQ(listener->Seen, (std::vector<UINT>{CM_TEXTCHANGED, CM_FONTCHANGED, CM_COLORCHANGED,
                                                 CM_ENABLEDCHANGED, CM_EXIT, WM_ENABLE}));
    EXPECT_FALSE(IsWindowEnabled(listener->Handle()));
    EXPECT_FALSE(listener->ParentFont());
    EXPECT_FALSE(listener->ParentColor());

    auto* child = new TListener(form.get());
    child->SetParent(form.get());
    EXPECT_EQ(child->Font(), form->Font()); // taken from the parent on insertion
    form->Font().SetName("Courier New");
    EXPECT_EQ(child->Font().Name(), "Courier New");
    EXPECT_TRUE(child->ParentFont());
    EXPECT_EQ(listener->Font().Name(), "MS Sans Serif"); // has its own font
    child->SetParentColor(true);
    form->SetColor(clNavy);
    EXPECT_EQ(child->Color(), clNavy);
}

TEST(Notifications, FocusEntersAndLeavesAlongTheWay) {
    auto form = test::NewForm<TForm>();
    form->SetBounds(0, 0, 200, 100);
    auto* a = new TListener(form.get());
    a->SetParent(form.get());
    auto* b = new TListener(form.get());
    b->SetParent(form.get());
    std::vector<std::string> log;
    a->OnEnter = [&](TObject*) { log.push_back("enter a"); };
    a->OnExit = [&](TObject*) { log.push_back("exit a"); };
    b->OnEnter = [&](TObject*) { log.push_back("enter b"); };
    form->OnActivate = [&](TObject*) { log.push_back("activate"); };
    form->Show();
    EXPECT_EQ(Screen()->ActiveForm(), form.get());
    EXPECT_EQ(form->ActiveControl(), a);
    EXPECT_TRUE(a->Focused());
    b->SetFocus();
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(Screen()->ActiveControl(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"activate", "enter a", "exit a", "enter b"}));
}

TEST(Notifications, ActivationMovesBetweenFormsAndComesBackWhenOneHides) {
    auto first = test::NewForm<TForm>();
    auto second = test::NewForm<TForm>();
    std::vector<std::string> log;
    first->OnActivate = [&](TObject*) { log.push_back("first on"); };
    first->OnDeactivate = [&](TObject*) { log.push_back("first off"); };
    second->OnActivate = [&](TObject*) { log.push_back("second on"); };
    first->Show();
    second->Show();
    EXPECT_EQ(GetActiveWindow(), second->Handle());
    second->Hide();
    EXPECT_EQ(GetActiveWindow(), first->Handle());
    EXPECT_TRUE(first->Active());
    EXPECT_EQ(log, (std::vector<std::string>{"first on", "first off", "second on", "first on"}));
}

} // namespace
} // namespace ui
