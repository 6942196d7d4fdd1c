// The edit and the memo: text set by the program and typed by the user, the change event for
// both, read-only refusing typing, alignment, the memo's lines in step with its text, and
// text far longer than the control, which scrolls instead of failing.
#include <gtest/gtest.h>

#include "control_host.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/memo.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

void Type(TWinControl& control, const std::string& text) {
    for (char c : text)
        SendMessage(control.Handle(), WM_CHAR, WPARAM(uint8_t(c)), 0);
}

void Press(TWinControl& control, uint16_t key) {
    SendMessage(control.Handle(), WM_KEYDOWN, key, 0);
}

TEST(Edit, TypedAndProgramTextBothReportAChange) {
    test::TControlHost host;
    auto& edit = host.Place<TEdit>(10, 10, 120, 21);
    std::vector<std::string> seen;
    edit.OnChange = [&](TObject*) { seen.push_back(edit.Text()); };
    edit.SetText("C:\\Kesvard");
    EXPECT_FALSE(edit.Modified());
    edit.SetFocus();
    edit.SetSelStart(int(edit.Text().size()));
    Type(edit, "\\Dx");
    Press(edit, VK_LEFT);
    Type(edit, "\b");
    EXPECT_EQ(edit.Text(), "C:\\Kesvard\\x");
    EXPECT_TRUE(edit.Modified());
    std::vector<std::string> expected = {"C:\\Kesvard", "C:\\Kesvard\\", "C:\\Kesvard\\D",
                                         "C:\\Kesvard\\Dx", "C:\\Kesvard\\x"};
    EXPECT_EQ(seen, expected);
    edit.SetText(edit.Text()); // the same text is no change
    EXPECT_EQ(seen.size(), expected.size());
}

TEST(Edit, ReadOnlyRefusesTypingButNotTheProgram) {
    test::TControlHost host;
    auto& edit = host.Place<TEdit>(10, 10, 120, 21);
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.SetReadOnly(true);
    edit.SetFocus();
    Type(edit, "abc\b");
    Press(edit, VK_DELETE);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(changes, 0);
    edit.SetText("set");
    EXPECT_EQ(edit.Text(), "set");
    EXPECT_EQ(changes, 1);
}

TEST(Edit, SelectionCoversWhatTheProgramAsks) {
    test::TControlHost host;
    auto& edit = host.Place<TEdit>(10, 10, 120, 21);
    edit.SetText("Contabilitate");
    edit.SetSelStart(3);
    edit.SetSelLength(100); // clamped to the text
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelText(), "tabilitate");
    edit.SetSelText("X");
    EXPECT_EQ(edit.Text(), "ConX");
}

// Where the ink of the text lies across the edit's width.
std::pair<int, int> InkColumns(test::TControlHost& host, TEdit& edit) {
    TBitmap picture = host.Snapshot();
    int first = -1, last = -1;
    TColorRef background = ColorToRGB(clWindow);
    TRect r = edit.BoundsRect();
    for (int x = r.Left + 3; x < r.Right - 3; ++x)
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            if (picture.Canvas().Pixel(x, y) != TColor(background)) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first - r.Left, r.Right - last};
}

TEST(Edit, AlignmentPlacesTheText) {
    test::TControlHost host;
    auto& edit = host.Place<TEdit>(10, 10, 200, 21);
    edit.SetText("1234");
    auto [leftGap, rightGap] = InkColumns(host, edit);
    EXPECT_LT(leftGap, rightGap);
    edit.SetAlignment(taRightJustify);
    std::tie(leftGap, rightGap) = InkColumns(host, edit);
    EXPECT_GT(leftGap, rightGap);
    edit.SetAlignment(taCenter);
    std::tie(leftGap, rightGap) = InkColumns(host, edit);
    EXPECT_NEAR(leftGap, rightGap, 4);
}

TEST(Edit, TextLongerThanTheControlScrollsAndPaints) {
    test::TControlHost host;
    auto& edit = host.Place<TEdit>(10, 10, 60, 21);
    std::string longText(100000, 'W');
    edit.SetText(longText);
    edit.SetFocus();
    edit.SetSelStart(int(longText.size()));
    Type(edit, "!");
    EXPECT_EQ(edit.Text().size(), longText.size() + 1);
    host.Snapshot(); // paints without failing
    edit.SetMaxLength(5);
    edit.SetText("");
    Type(edit, "1234567");
    EXPECT_EQ(edit.Text(), "12345");
}

TEST(Memo, LinesFollowTheTextBothWays) {
    test::TControlHost host;
    auto& memo = host.Place<TMemo>(10, 10, 200, 80);
    int changes = 0;
    memo.OnChange = [&](TObject*) { ++changes; };
    memo.Lines().Add("Ati selectat o instalare de tip client. ");
    memo.Lines().Add("Introduceti calea");
    EXPECT_EQ(memo.Text(), "Ati selectat o instalare de tip client. \r\nIntroduceti calea");
    EXPECT_EQ(changes, 2);
    memo.SetFocus();
    memo.SetSelStart(int(memo.Text().size()));
    Type(memo, "\rx");
    ASSERT_EQ(memo.Lines().Count(), 3);
    EXPECT_EQ(memo.Lines()[2], "x");
    memo.SetWantReturns(false);
    Type(memo, "\r");
    EXPECT_EQ(memo.Lines().Count(), 3);
    memo.SetReadOnly(true);
    Type(memo, "yz");
    EXPECT_EQ(memo.Lines()[2], "x");
    EXPECT_EQ(changes, 4);
}

TEST(Memo, WantsEnterOnlyWhileWantReturnsHolds) {
    test::TControlHost host;
    auto& memo = host.Place<TMemo>(10, 10, 200, 80);
    auto& edit = host.Place<TEdit>(10, 100, 200, 21);
    EXPECT_TRUE(SendMessage(memo.Handle(), WM_GETDLGCODE) & DLGC_WANTALLKEYS);
    EXPECT_FALSE(SendMessage(edit.Handle(), WM_GETDLGCODE) & DLGC_WANTALLKEYS);
    memo.SetWantReturns(false);
    EXPECT_FALSE(SendMessage(memo.Handle(), WM_GETDLGCODE) & DLGC_WANTALLKEYS);
}

} // namespace
} // namespace ui::testing
