// The list box: the owner-draw record's item states (selected, focus, disabled) as each item
// is painted, the keys that move the selection, and the find-string request.
#include <gtest/gtest.h>

#include <map>

#include "control_host.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/list_box.h"
#include "platform/ui/stdctrls/list_messages.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

TEST(ListBox, OwnerDrawnItemsGetTheirStateBits) {
    test::TControlHost host;
    auto& list = host.Place<TListBox>(10, 10, 120, 80);
    auto& other = host.Place<TEdit>(10, 100, 120, 21);
    list.SetStyle(lbOwnerDrawFixed);
    list.Items().Assign({"unu", "doi", "trei"});
    std::map<int, TOwnerDrawState> states;
    list.OnDrawItem = [&](TWinControl*, int index, const TRect&, TOwnerDrawState state) {
        states[index] = state;
    };
    list.SetItemIndex(1);
    other.SetFocus();
    host.Snapshot();
    EXPECT_EQ(states.at(0), 0u);
    EXPECT_EQ(states.at(1), odSelected);
    list.SetFocus();
    host.Snapshot();
    EXPECT_EQ(states.at(1), odSelected | odFocused);
    EXPECT_EQ(states.at(2), 0u);
    list.SetEnabled(false);
    list.Invalidate();
    host.Snapshot();
    EXPECT_EQ(states.at(2), odDisabled);
    EXPECT_TRUE(states.at(1) & odDisabled);
    EXPECT_TRUE(states.at(1) & odSelected);
}

TEST(ListBox, KeysMoveTheSelectionWithinTheItems) {
    test::TControlHost host;
    auto& list = host.Place<TListBox>(10, 10, 120, 40); // room for two rows
    list.Items().Assign({"a", "b", "c", "d", "e"});
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    list.SetFocus();
    struct TStep {
        uint16_t Key;
        int Expected;
    } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 4}, {VK_DOWN, 4}, {VK_HOME, 0}, {VK_UP, 0}};
    for (const TStep& step : steps) {
        SendMessage(list.Handle(), WM_KEYDOWN, step.Key, 0);
        EXPECT_EQ(list.ItemIndex(), step.Expected) << step.Key;
        EXPECT_LE(list.TopIndex(), list.ItemIndex());
        EXPECT_GT(list.TopIndex() + list.VisibleItems(), list.ItemIndex());
    }
    EXPECT_EQ(clicks, 4); // keys that leave the selection where it is do not click
    EXPECT_EQ(int(list.Perform(LB_FINDSTRING, WPARAM(-1), LPARAM("C"))), 2);
}

} // namespace
} // namespace ui::testing
