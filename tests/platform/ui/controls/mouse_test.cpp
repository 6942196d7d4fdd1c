// The mouse: windowless controls get their clicks from their parent, the control under the
// mouse hears when the mouse enters and leaves it, a disabled control passes its clicks to its
// parent, and the wheel goes to the focused control and up its parents.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

struct TMouseForm {
    test::TOwned<TForm> Form = test::NewForm<TForm>();
    TPanel* Panel = nullptr;
    TLabel* Label = nullptr;
    TButton* Button = nullptr;
    std::vector<std::string> Log;

    TMouseForm() {
        Form->SetName("MouseForm");
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(40, 40, 300, 200);
        Panel = new TPanel(Form.get());
        Panel->SetName("Panel");
        Panel->SetBounds(0, 0, 300, 200);
        Panel->SetParent(Form.get());
        Label = new TLabel(Form.get());
        Label->SetName("Label");
        Label->SetCaption("Eticheta");
        Label->SetBounds(10, 10, 80, 20);
        Label->SetAutoSize(false);
        Label->SetParent(Panel);
        Button = new TButton(Form.get());
        Button->SetName("Button");
        Button->SetBounds(150, 100, 80, 25);
        Button->SetParent(Panel);
        auto watch = [this](TControl* c, const std::string& name) {
            c->OnMouseEnter = [this, name](TObject*) { Log.push_back("enter " + name); };
            c->OnMouseLeave = [this, name](TObject*) { Log.push_back("leave " + name); };
            c->OnClick = [this, name](TObject*) { Log.push_back("click " + name); };
            c->OnMouseDown = [this, name](TObject*, TMouseButton, TShiftState, int x, int y) {
                Log.push_back("down " + name + " " + std::to_string(x) + "," + std::to_string(y));
            };
        };
        watch(Label, "label");
        watch(Button, "button");
        watch(Panel, "panel");
    }
};

TEST(Mouse, WindowlessControlsGetClicksAndEveryControlHearsEnterAndLeave) {
    TMouseForm f;
    TScriptedUser user;
    user.Expect("MouseForm", [&](TScriptActor& u) {
        u.MoveTo("Label", 5, 5);
        u.Click("Label");
        u.MoveTo("Button", 5, 5);
        u.MoveTo("Panel", 280, 180);
        u.Form().SetModalResult(mrOk);
    });
    f.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(f.Log, (std::vector<std::string>{"enter label", "down label 40,10", "click label",
                                               "leave label", "enter button", "leave button",
                                               "enter panel"}));
}

TEST(Mouse, ADisabledControlPassesItsClicksToItsParent) {
    TMouseForm f;
    f.Button->SetEnabled(false);
    TScriptedUser user;
    user.Expect("MouseForm", [&](TScriptActor& u) {
        u.ClickAt("Button", 10, 5);
        u.Form().SetModalResult(mrOk);
    });
    f.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    std::vector<std::string> clicks;
    for (const std::string& entry : f.Log)
        if (entry.rfind("down", 0) == 0 || entry.rfind("click", 0) == 0)
            clicks.push_back(entry);
    EXPECT_EQ(clicks, (std::vector<std::string>{"down panel 160,105", "click panel"}));
}

TEST(Mouse, TheWheelGoesToTheFocusedControlThenUpItsParents) {
    TMouseForm f;
    std::vector<std::string> wheel;
    f.Button->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        wheel.push_back("button " + std::to_string(delta));
        handled = false;
    };
    f.Form->OnMouseWheelUp = [&](TObject*, TShiftState shift, TPoint, bool& handled) {
        wheel.push_back(std::string("form up") + ((shift & ssCtrl) ? " ctrl" : ""));
        handled = true;
    };
    TScriptedUser user;
    user.Expect("MouseForm", [&](TScriptActor& u) {
        u.Form().SetActiveControl(f.Button);
        u.Wheel("Button", 120, ssCtrl);
        u.Form().SetModalResult(mrOk);
    });
    f.Form->ShowModal();
    EXPECT_EQ(wheel, (std::vector<std::string>{"button 120", "form up ctrl"}));
}

} // namespace
} // namespace ui::testing
