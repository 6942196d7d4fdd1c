// The window menu: its items follow the window's style, can be renamed and greyed by command or
// position, and a greyed close command keeps Alt+F4 and the close command from closing the form.
#include <gtest/gtest.h>

#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/system_menu.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

std::vector<UINT> Commands(HMENU menu) {
    std::vector<UINT> commands;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        commands.push_back(GetMenuItemID(menu, i));
    return commands;
}

TEST(SystemMenu, ItemsFollowTheWindowStyle) {
    const UINT none = MenuItemAbsent;
    struct TCase {
        TFormBorderStyle Border;
        TBorderIcons Icons;
        std::vector<UINT> Expected;
    };
    const TCase cases[] = {
        {bsSizeable,
         biSystemMenu | biMinimize | biMaximize,
         {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, none, SC_CLOSE}},
        {bsSingle, biSystemMenu | biMinimize, {SC_RESTORE, SC_MOVE, SC_MINIMIZE, none, SC_CLOSE}},
        {bsDialog, biSystemMenu, {SC_MOVE, none, SC_CLOSE}},
        {bsSizeable, 0, {}},
        {bsNone, biSystemMenu, {}},
    };
    for (const TCase& c : cases) {
        auto form = test::NewForm<TForm>();
        form->SetBorderStyle(c.Border);
        form->SetBorderIcons(c.Icons);
        HMENU menu = GetSystemMenu(form->Handle(), false);
        EXPECT_EQ(menu != 0, !c.Expected.empty());
        if (menu) {
            EXPECT_EQ(Commands(menu), c.Expected);
        }
    }
}

TEST(SystemMenu, ItemsAreRenamedAndGreyedUntilReverted) {
    auto form = test::NewForm<TForm>();
    HMENU menu = GetSystemMenu(form->Handle(), false);
    ASSERT_NE(menu, 0u);
    EXPECT_TRUE(ModifyMenu(menu, SC_MOVE, MF_BYCOMMAND | MF_STRING, SC_MOVE, "&Muta"));
    EXPECT_FALSE(ModifyMenu(menu, 0x1234, MF_BYCOMMAND, 0x1234, "none"));
    EXPECT_EQ(GetMenuString(menu, SC_MOVE, MF_BYCOMMAND), "&Muta");
    EXPECT_EQ(GetMenuString(menu, 1, MF_BYPOSITION), "&Muta");
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 0x1234, MF_BYCOMMAND | MF_GRAYED), MenuItemAbsent);
    EXPECT_EQ(GetMenuItemID(menu, 99), MenuItemAbsent);
    EXPECT_EQ(GetMenuItemID(menu, -1), MenuItemAbsent);
    EXPECT_EQ(GetSystemMenu(form->Handle(), true), menu);
    EXPECT_EQ(GetMenuString(menu, SC_MOVE, MF_BYCOMMAND), "&Move");
}

TEST(SystemMenu, AGreyedCloseCommandKeepsTheFormOpen) {
    for (bool greyed : {false, true}) {
        auto form = test::NewForm<TForm>();
        form->SetName("Closable");
        form->SetBounds(50, 50, 200, 100);
        if (greyed)
            EnableMenuItem(GetSystemMenu(form->Handle(), false), SC_CLOSE,
                           MF_BYCOMMAND | MF_GRAYED);
        TScriptedUser user;
        user.Expect("Closable", [&](TScriptActor& u) {
            u.Key(VK_F4, ssAlt);
            u.Then([](TScriptActor& later) {
                if (later.Form().ModalResult() == mrNone)
                    later.Form().SetModalResult(mrOk);
            });
        });
        EXPECT_EQ(form->ShowModal(), greyed ? mrOk : mrCancel);
        EXPECT_TRUE(user.Finish().empty());
    }
}

TEST(SystemMenu, AMenuOfAGoneWindowAnswersNothing) {
    HMENU menu = 0;
    {
        auto form = test::NewForm<TForm>();
        menu = GetSystemMenu(form->Handle(), false);
    }
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_EQ(GetMenuString(menu, SC_CLOSE, MF_BYCOMMAND), "");
    EXPECT_FALSE(IsSystemCloseDisabled(HWND(menu)));
}

} // namespace
} // namespace ui::testing
