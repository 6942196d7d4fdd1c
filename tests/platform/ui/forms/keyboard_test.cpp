// The keyboard: a form with key preview sees keys before its controls, Tab and Shift+Tab walk
// the tab stops in tab order across nested containers, the arrows move within a container,
// accelerators arrive as dialog characters unless the focused control wants characters, and
// Alt+F4 closes a form unless the form swallows the key.
#include <gtest/gtest.h>

#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

// A focusable control that may ask for characters (as an edit does).
class TKeySink : public TCustomControl {
public:
    TKeySink(TComponent* owner, bool wantsChars) : TCustomControl(owner), wantsChars_(wantsChars) {
        SetTabStop(true);
    }
    std::string Typed;
    void Dispatch(TMessage& m) override {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = wantsChars_ ? DLGC_WANTCHARS : 0;
            return;
        }
        if (m.Msg == WM_LBUTTONDOWN)
            SetFocus();
        TCustomControl::Dispatch(m);
    }

protected:
    void KeyPress(char& key) override {
        Typed += key;
        TCustomControl::KeyPress(key);
    }

private:
    bool wantsChars_;
};

// A dialog: two panels, each with controls, in a tab order that differs from creation order.
struct TDialog {
    test::TOwned<TForm> Form = test::NewForm<TForm>();
    TPanel* Left = nullptr;
    TPanel* Right = nullptr;
    TKeySink* Edit = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    TButton* Skipped = nullptr;

    TDialog() {
        TForm& f = *Form;
        f.SetName("Dialog");
        f.SetBounds(50, 50, 300, 200);
        Left = Add<TPanel>("Left", &f, 0, 0, 150, 160);
        Right = Add<TPanel>("Right", &f, 150, 0, 150, 160);
        Ok = Add<TButton>("Ok", Right, 10, 10, 75, 25);
        Cancel = Add<TButton>("Cancel", Right, 10, 40, 75, 25);
        Skipped = Add<TButton>("Skipped", Right, 10, 70, 75, 25);
        Edit = new TKeySink(&f, true);
        Edit->SetName("Edit");
        Edit->SetBounds(10, 10, 100, 20);
        Edit->SetParent(Left);
        Right->SetTabOrder(0); // the right panel's controls come first
        Skipped->SetTabStop(false);
        Ok->SetCaption("&Ok");
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel->SetCaption("&Renunta");
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        f.SetActiveControl(Ok);
    }
    template <class T> T* Add(const char* name, TWinControl* parent, int x, int y, int w, int h) {
        T* c = new T(Form.get());
        c->SetName(name);
        c->SetBounds(x, y, w, h);
        c->SetParent(parent);
        return c;
    }
};

TEST(Keyboard, TabAndShiftTabWalkTheTabStopsInTabOrder) {
    TDialog d;
    std::vector<std::string> forward, backward;
    TScriptedUser user;
    user.Expect("Dialog", [&](TScriptActor& u) {
        forward.push_back(u.FocusedName());
        for (int i = 0; i < 3; ++i) {
            u.Key(VK_TAB);
            forward.push_back(u.FocusedName());
        }
        for (int i = 0; i < 3; ++i) {
            u.Key(VK_TAB, ssShift);
            backward.push_back(u.FocusedName());
        }
        u.Form().SetModalResult(mrAbort);
    });
    d.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(forward, (std::vector<std::string>{"Ok", "Cancel", "Edit", "Ok"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"Edit", "Cancel", "Ok"}));
}

TEST(Keyboard, ArrowsMoveWithinTheContainerAndSkipNothingFocusable) {
    TDialog d;
    std::vector<std::string> seen;
    TScriptedUser user;
    user.Expect("Dialog", [&](TScriptActor& u) {
        u.Key(VK_DOWN);
        seen.push_back(u.FocusedName());
        u.Key(VK_DOWN);
        seen.push_back(u.FocusedName());
        u.Key(VK_DOWN);
        seen.push_back(u.FocusedName());
        u.Form().SetModalResult(mrAbort);
    });
    d.Form->ShowModal();
    EXPECT_EQ(seen, (std::vector<std::string>{"Cancel", "Skipped", "Ok"}));
}

TEST(Keyboard, EnterAndEscapeFollowTheDefaultAndCancelButtons) {
    struct TCase {
        std::function<void(TScriptActor&)> Keys;
        TModalResult Expected;
    };
    const TCase cases[] = {
        {[](TScriptActor& u) { u.Key(VK_RETURN); }, mrOk},
        {[](TScriptActor& u) { u.Key(VK_ESCAPE); }, mrCancel},
        // With the focus on a control that is not a button, Enter goes to the default button.
        {[](TScriptActor& u) {
             u.Click("Edit");
             u.Key(VK_RETURN);
         },
         mrOk},
        // The focused button answers Enter, the default one no longer does.
        {[](TScriptActor& u) {
             u.Key(VK_TAB);
             u.Key(VK_RETURN);
         },
         mrCancel},
        // Enter with a modifier is no dialog key.
        {[](TScriptActor& u) {
             u.Key(VK_RETURN, ssShift);
             EXPECT_EQ(u.Form().ModalResult(), mrNone);
             u.Form().SetModalResult(mrAbort);
         },
         mrAbort},
    };
    for (const TCase& c : cases) {
        TDialog d;
        TScriptedUser user;
        user.Expect("Dialog", c.Keys);
        EXPECT_EQ(d.Form->ShowModal(), c.Expected);
        EXPECT_TRUE(user.Finish().empty());
    }
}

TEST(Keyboard, AcceleratorsAreDialogCharactersUnlessTheFocusedControlWantsThem) {
    TDialog d;
    TScriptedUser user;
    user.Expect("Dialog", [&](TScriptActor& u) {
        u.Click("Edit");
        u.Key('R'); // the edit wants characters: typed, not an accelerator
        EXPECT_EQ(d.Edit->Typed, "r");
        EXPECT_EQ(u.Form().ModalResult(), mrNone);
        u.Alt('r'); // with Alt it is the accelerator of "&Renunta"
    });
    EXPECT_EQ(d.Form->ShowModal(), mrCancel);
    EXPECT_TRUE(user.Finish().empty());
}

TEST(Keyboard, KeyPreviewSeesKeysFirstAndCanSwallowThem) {
    TDialog d;
    std::vector<std::string> order;
    d.Form->SetKeyPreview(true);
    d.Form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        order.push_back("form");
        if (key == 'X')
            key = 0;
    };
    d.Edit->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { order.push_back("edit"); };
    TScriptedUser user;
    user.Expect("Dialog", [&](TScriptActor& u) {
        u.Click("Edit");
        u.Key('A');
        u.Key('X');
        u.Form().SetModalResult(mrAbort);
    });
    d.Form->ShowModal();
    EXPECT_EQ(order, (std::vector<std::string>{"form", "edit", "form"}));
    EXPECT_EQ(d.Edit->Typed, "ax"); // the character message still comes for the swallowed key
}

TEST(Keyboard, AltF4ClosesAFormThatDoesNotSwallowIt) {
    for (bool swallow : {false, true}) {
        TDialog d;
        d.Form->SetKeyPreview(true);
        if (swallow)
            d.Form->OnKeyDown = [](TObject*, uint16_t& key, TShiftState shift) {
                if (key == VK_F4 && (shift & ssAlt))
                    key = 0;
            };
        TScriptedUser user;
        user.Expect("Dialog", [&](TScriptActor& u) {
            u.Key(VK_F4, ssAlt);
            if (swallow) {
                EXPECT_EQ(u.Form().ModalResult(), mrNone);
                u.Form().SetModalResult(mrAbort);
            }
        });
        EXPECT_EQ(d.Form->ShowModal(), swallow ? mrAbort : mrCancel);
        EXPECT_TRUE(user.Finish().empty());
    }
}

} // namespace
} // namespace ui::testing
