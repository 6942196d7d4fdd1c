// Hints: resting the mouse on a control that shows hints opens the hint window near the mouse
// with the short part of the hint, in the application's hint colour; a key closes it.
#include <gtest/gtest.h>

#include "platform/ui/forms/hint_window.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

TEST(Hints, AControlsHintOpensNearTheMouseAndAKeyClosesIt) {
    auto form = test::NewForm<TForm>();
    form->SetName("HintForm");
    form->SetBounds(100, 100, 300, 200);
    auto* button = new TButton(form.get());
    button->SetName("Save");
    button->SetBounds(20, 20, 80, 25);
    button->SetHint("Salveaza|Salveaza datele introduse");
    button->SetShowHint(true);
    button->SetParent(form.get());
    auto* quiet =
        new TButton(form.get()); // no hint: moving onto it closes nothing and opens nothing
    quiet->SetName("Quiet");
    quiet->SetBounds(20, 80, 80, 25);
    quiet->SetParent(form.get());
    form->Show();
    Application()->SetHintPause(20);
    Application()->SetHintColor(0xD9E2E6);

    TScriptedUser user;
    TScriptActor actor(*form, user);
    actor.MoveTo("Quiet", 5, 5);
    actor.MoveTo("Save", 10, 10);
    ASSERT_TRUE(test::RunUntil(
        [] { return Application()->HintWindow() && Application()->HintWindow()->Showing(); }));
    THintWindow& hint = *Application()->HintWindow();
    EXPECT_EQ(hint.Caption(), "Salveaza");
    TPoint cursor = button->ClientToScreen({10, 10});
    EXPECT_EQ(hint.Left(), cursor.X);
    EXPECT_GT(hint.Top(), cursor.Y);
    TBitmap picture = test::Picture(hint);
    EXPECT_EQ(picture.Canvas().Pixel(hint.Width() - 3, hint.Height() / 2), 0xD9E2E6);

    actor.Key(VK_SHIFT);
    EXPECT_FALSE(hint.Showing());
    Application()->SetHintPause(500);
}

} // namespace
} // namespace ui::testing
