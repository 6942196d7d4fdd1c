// The combo box: its item list and the text that follows the chosen item, the find-string
// request (prefix, without regard to case, after a start index and wrapping round), the keys
// that step through the items, and the list dropped down and chosen from.
#include <gtest/gtest.h>

#include "control_host.h"
#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/stdctrls/combo_list.h"
#include "platform/ui/stdctrls/list_messages.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

struct TFindCase {
    const char* Name;
    UINT Request;
    int Start;
    const char* Text;
    int Expected;
};

class ComboFindString : public ::testing::TestWithParam<TFindCase> {};

TEST_P(ComboFindString, AnswersTheFirstMatchAfterTheStart) {
    const TFindCase& c = GetParam();
    TComboBox combo(nullptr);
    combo.Items().Assign({"Bucuresti", "Brasov", "brasov nord", "Cluj", "Constanta"});
    EXPECT_EQ(int(combo.Perform(c.Request, WPARAM(c.Start), LPARAM(c.Text))), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Combo, ComboFindString,
    ::testing::Values(TFindCase{"FromTheFirst", CB_FINDSTRING, -1, "br", 1},
                      TFindCase{"AfterTheStart", CB_FINDSTRING, 1, "br", 2},
                      TFindCase{"WrapsRound", CB_FINDSTRING, 2, "BR", 1},
                      TFindCase{"AfterItemZeroFindsZeroLast", CB_FINDSTRING, 0, "bucu", 0},
                      TFindCase{"NoMatch", CB_FINDSTRING, -1, "Iasi", -1},
                      TFindCase{"EmptyTextMatchesNext", CB_FINDSTRING, 3, "", 4},
                      TFindCase{"StartOutOfRange", CB_FINDSTRING, 99, "c", 3},
                      TFindCase{"ExactSkipsLonger", CB_FINDSTRINGEXACT, -1, "BRASOV", 1},
                      TFindCase{"ExactNone", CB_FINDSTRINGEXACT, -1, "Bras", -1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Combo, FindStringOnAnEmptyListFindsNothing) {
    TComboBox combo(nullptr);
    EXPECT_EQ(int(combo.Perform(CB_FINDSTRING, WPARAM(-1), LPARAM("a"))), -1);
}

TEST(Combo, TextFollowsTheChosenItemAndItemsOutOfRangeChooseNone) {
    TComboBox combo(nullptr);
    combo.Items().Assign({"LOCAL", "SERVER", "CLIENT"});
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), "CLIENT");
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetItemIndex(1);
    combo.Items().Delete(1);
    combo.Items().Delete(1);
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST(Combo, SortedKeepsItemsInOrderWithoutRegardToCase) {
    TComboBox combo(nullptr);
    combo.SetSorted(true);
    combo.Items().Add("delta");
    combo.Items().Add("Alfa");
    combo.Items().Add("charlie");
    std::vector<std::string> expected = {"Alfa", "charlie", "delta"};
    EXPECT_EQ(combo.Items().Items(), expected);
}

TEST(Combo, ArrowKeysStepThroughTheItemsAndReportAChange) {
    test::TControlHost host;
    auto& combo = host.Place<TComboBox>(10, 10, 150, 21);
    combo.Items().Assign({"a:", "c:", "d:"});
    std::vector<std::string> changes;
    combo.OnChange = [&](TObject*) { changes.push_back(combo.Text()); };
    combo.SetFocus();
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0); // already the last
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_UP, 0);
    std::vector<std::string> expected = {"a:", "c:", "d:", "c:"};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(combo.ItemIndex(), 1);
}

TEST(Combo, TypedTextIsEditedAndNamesItsItem) {
    test::TControlHost host;
    auto& combo = host.Place<TComboBox>(10, 10, 150, 21);
    combo.Items().Assign({"Kesvard", "Talven"});
    int changes = 0;
    combo.OnChange = [&](TObject*) { ++changes; };
    combo.SetFocus();
    for (char c : std::string("talven"))
        SendMessage(combo.Handle(), WM_CHAR, WPARAM(uint8_t(c)), 0);
    EXPECT_EQ(combo.Text(), "talven");
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 6);
}

TEST(Combo, DropDownListChoosesWithTheMouseAndClosesOnFocusLoss) {
    test::TControlHost host;
    auto& combo = host.Place<TComboBox>(10, 10, 150, 21);
    auto& other = host.Place<TComboBox>(10, 100, 150, 21);
    combo.SetStyle(csDropDownList);
    combo.Items().Assign({"unu", "doi", "trei"});
    int dropped = 0;
    combo.OnDropDown = [&](TObject*) { ++dropped; };
    combo.SetFocus();
    SendMessage(combo.Handle(), WM_KEYDOWN, VK_F4, 0);
    ASSERT_TRUE(combo.DroppedDown());
    EXPECT_EQ(dropped, 1);
    // The list is a popup window of its own, owned by the combo, just below it.
    ASSERT_EQ(combo.ComponentCount(), 1);
    auto* listControl = dynamic_cast<TWinControl*>(combo.Components(0));
    ASSERT_NE(listControl, nullptr);
    HWND list = listControl->Handle();
    TRect comboFrame, listFrame;
    GetWindowRect(combo.Handle(), comboFrame);
    GetWindowRect(list, listFrame);
    EXPECT_EQ(listFrame.Top, comboFrame.Bottom);
    EXPECT_TRUE(IsWindowVisible(list));
    int row = listControl->ClientHeight() / 3;
    SendMessage(list, WM_LBUTTONDOWN, 0, MakeLParam(5, row + row / 2));
    SendMessage(list, WM_LBUTTONUP, 0, MakeLParam(5, row + row / 2));
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_EQ(combo.Text(), "doi");
    combo.SetDroppedDown(true);
    other.SetFocus();
    EXPECT_FALSE(combo.DroppedDown());
}

TEST(Combo, ListOnlyStyleChoosesByTypedLetter) {
    test::TControlHost host;
    auto& combo = host.Place<TComboBox>(10, 10, 150, 21);
    combo.SetStyle(csDropDownList);
    combo.Items().Assign({"Alfa", "Beta", "Bravo", "Charlie"});
    combo.SetFocus();
    SendMessage(combo.Handle(), WM_CHAR, 'b', 0);
    EXPECT_EQ(combo.Text(), "Beta");
    SendMessage(combo.Handle(), WM_CHAR, 'b', 0);
    EXPECT_EQ(combo.Text(), "Bravo");
    SendMessage(combo.Handle(), WM_CHAR, 'z', 0);
    EXPECT_EQ(combo.Text(), "Bravo");
}

} // namespace
} // namespace ui::testing
