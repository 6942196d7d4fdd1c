// The move panel: a left-button drag on its own surface moves its form and keeps the grab
// point under the mouse; a press on a button lying on the panel, or a drag after a double
// click, moves nothing, and the panel's click still happens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "toolkit/forms/move_panel.h"
#include "toolkit/forms/skin.h"

namespace tk {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

struct TMoveForm {
    ui::test::TOwned<ui::TForm> Form = ui::test::NewForm<ui::TForm>();
    TMovePanel* Bar = nullptr;
    ui::TButton* Button = nullptr;
    std::vector<std::string> Log;

    TMoveForm() {
        StartToolkit();
        Form->SetName("Instructiuni");
        Form->SetBorderStyle(ui::bsNone);
        Form->SetBounds(100, 100, 300, 200);
        Bar = new TMovePanel(Form.get());
        Bar->SetName("Bar");
        Bar->SetBounds(0, 0, 300, 40);
        Bar->SetParent(Form.get());
        Button = new ui::TButton(Form.get());
        Button->SetName("Inchide");
        Button->SetBounds(220, 8, 70, 24);
        Button->SetParent(Bar);
        Bar->OnClick = [this](ui::TObject*) { Log.push_back("click"); };
        Bar->OnDblClick = [this](ui::TObject*) { Log.push_back("double click"); };
    }

    ui::TPoint Position() const { return {Form->Left(), Form->Top()}; }
};

struct TDragCase {
    const char* Name;
    const char* PressOn; // the control the press lands on
    int X, Y;            // press point in its client area
    bool DoubleFirst;    // a double click at the press point before the drag
    bool Moves;
};

const TDragCase DragCases[] = {
    {"panel_surface", "Bar", 20, 10, false, true},
    {"button_on_panel", "Inchide", 10, 10, false, false},
    {"after_double_click_release", "Bar", 20, 10, true, true},
};

class MovePanelDrag : public ::testing::TestWithParam<TDragCase> {};

TEST_P(MovePanelDrag, APressOnThePanelsOwnSurfaceDragsItsForm) {
    const TDragCase& c = GetParam();
    TMoveForm f;
    ui::TPoint before = f.Position();
    TScriptedUser user;
    user.Expect("Instructiuni", [&](TScriptActor& u) {
        if (c.DoubleFirst)
            u.DoubleClick(c.PressOn);
        u.Press(c.PressOn, c.X, c.Y);
        // Screen positions relative to the form's place before the drag.
        u.MoveTo("Instructiuni", c.X + 30, c.Y + 20);
        u.MoveTo("Instructiuni", c.X + 45, c.Y + 25);
        u.Release("Instructiuni", c.X + 45, c.Y + 25);
        u.Form().SetModalResult(ui::mrOk);
    });
    f.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_FALSE(f.Bar->Down);
    ui::TPoint after = f.Position();
    if (c.Moves) {
        EXPECT_NE(after, before);
    } else {
        EXPECT_EQ(after, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MovePanelDrag, ::testing::ValuesIn(DragCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(MovePanel, TheGrabPointStaysUnderTheMouseAndTheClickStillHappens) {
    TMoveForm f;
    ui::TPoint before = f.Position();
    ui::TPoint grab;
    TScriptedUser user;
    user.Expect("Instructiuni", [&](TScriptActor& u) {
        ui::TPoint start = f.Bar->ClientToScreen({20, 10});
        // The mouse goes to fixed screen points; the panel moves under it.
        auto moveToScreen = [&](int dx, int dy) {
            ui::TPoint local = f.Bar->ScreenToClient({start.X + dx, start.Y + dy});
            u.MoveTo("Bar", local.X, local.Y);
        };
        u.Press("Bar", 20, 10);
        grab = f.Bar->Orig;
        EXPECT_TRUE(f.Bar->Down);
        moveToScreen(30, 20);
        moveToScreen(35, 25);
        ui::TPoint local = f.Bar->ScreenToClient({start.X + 35, start.Y + 25});
        u.Release("Bar", local.X, local.Y);
        u.Form().SetModalResult(ui::mrOk);
    });
    f.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(grab, (ui::TPoint{20, 10}));
    EXPECT_EQ(f.Position(), (ui::TPoint{before.X + 35, before.Y + 25}));
    EXPECT_EQ(f.Log, (std::vector<std::string>{"click"}));
}

TEST(MovePanel, ADoubleClickEndsTheDragAndFiresItsEvent) {
    TMoveForm f;
    TScriptedUser user;
    user.Expect("Instructiuni", [&](TScriptActor& u) {
        u.DoubleClick("Bar");
        u.Form().SetModalResult(ui::mrOk);
    });
    f.Form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_FALSE(f.Bar->Down);
    EXPECT_NE(std::find(f.Log.begin(), f.Log.end(), "double click"), f.Log.end());
}

} // namespace
} // namespace tk
