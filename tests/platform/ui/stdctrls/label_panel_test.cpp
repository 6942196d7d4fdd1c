// Labels, panels and group boxes: a label sized to its text (and kept at its right edge when
// right-aligned), its accelerator focusing FocusControl, the panel's bevels and the client area
// they leave, and the group box's caption line.
#include <gtest/gtest.h>

#include "control_host.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/group_box.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

TEST(Label, AutoSizeFollowsTheTextAndRightAlignmentKeepsTheRightEdge) {
    test::TControlHost host;
    auto& label = host.Place<TLabel>(100, 10, 10, 10);
    label.SetCaption("Program");
    int shortWidth = label.Width();
    EXPECT_GT(shortWidth, 10);
    label.SetCaption("Program files");
    EXPECT_GT(label.Width(), shortWidth);
    label.SetAlignment(taRightJustify);
    int right = label.Left() + label.Width();
    label.SetCaption("Date");
    EXPECT_EQ(label.Left() + label.Width(), right);
    EXPECT_LT(label.Width(), shortWidth);
    label.SetAutoSize(false);
    label.SetCaption("A much longer caption than before");
    EXPECT_LT(label.Width(), shortWidth);
}

TEST(Label, WordWrapGrowsDownwardsWithinTheWidth) {
    test::TControlHost host;
    auto& label = host.Place<TLabel>(10, 10, 80, 10);
    label.SetWordWrap(true);
    label.SetCaption("one two three four five six seven eight nine ten");
    EXPECT_LE(label.Width(), 80);
    EXPECT_GT(label.Height(), 2 * label.Canvas().TextHeight("W") - 1);
}

TEST(Label, AcceleratorFocusesItsFocusControlOnlyWhenItCan) {
    test::TControlHost host;
    auto& label = host.Place<TLabel>(10, 10, 60, 17);
    auto& edit = host.Place<TEdit>(80, 10, 100, 21);
    auto& other = host.Place<TEdit>(80, 40, 100, 21);
    label.SetCaption("&Date:");
    label.SetFocusControl(&edit);
    other.SetFocus();
    struct TCase {
        const char* Name;
        char Key;
        bool EditEnabled, ShowAccel;
        bool Focuses;
    } cases[] = {{"Matching", 'd', true, true, true},
                 {"OtherLetter", 'x', true, true, false},
                 {"TargetDisabled", 'd', false, true, false},
                 {"AcceleratorsOff", 'd', true, false, false}};
    for (const TCase& c : cases) {
        other.SetFocus();
        edit.SetEnabled(c.EditEnabled);
        label.SetShowAccelChar(c.ShowAccel);
        LRESULT used = label.Perform(CM_DIALOGCHAR, WPARAM(c.Key), 0);
        EXPECT_EQ(used != 0, c.Focuses) << c.Name;
        EXPECT_EQ(edit.Focused(), c.Focuses) << c.Name;
    }
    Free(&edit); // the label forgets a focus control that goes away
    EXPECT_EQ(label.FocusControl(), nullptr);
}

struct TBevelCase {
    const char* Name;
    TPanelBevel Outer, Inner;
    int Width;
    TPoint At; // in the panel
    TColor Expected;
};

class PanelBevels : public ::testing::TestWithParam<TBevelCase> {};

TEST_P(PanelBevels, DrawTheirEdgesAndNarrowTheClientArea) {
    const TBevelCase& c = GetParam();
    test::TControlHost host;
    auto& panel = host.Place<TPanel>(20, 20, 100, 60);
    panel.SetBevelOuter(c.Outer);
    panel.SetBevelInner(c.Inner);
    panel.SetBevelWidth(c.Width);
    TBitmap picture = host.Snapshot();
    EXPECT_EQ(picture.Canvas().Pixel(20 + c.At.X, 20 + c.At.Y), ColorToRGB(c.Expected));
    int bevels = (c.Outer != bvNone) + (c.Inner != bvNone);
    TRect client = panel.ClientRect();
    panel.AdjustClientRect(client);
    EXPECT_EQ(client.Left, bevels * c.Width);
    EXPECT_EQ(client.Bottom, 60 - bevels * c.Width);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, PanelBevels,
    ::testing::Values(TBevelCase{"RaisedTopLeft", bvRaised, bvNone, 1, {0, 0}, clBtnHighlight},
                      TBevelCase{"RaisedBottomRight", bvRaised, bvNone, 1, {99, 59}, clBtnShadow},
                      TBevelCase{"LoweredTopLeft", bvLowered, bvNone, 1, {0, 30}, clBtnShadow},
                      TBevelCase{"InnerInsideOuter", bvRaised, bvLowered, 1, {1, 1}, clBtnShadow},
                      TBevelCase{"WideBevel", bvLowered, bvNone, 3, {2, 30}, clBtnShadow},
                      TBevelCase{"NoBevel", bvNone, bvNone, 1, {0, 0}, clBtnFace}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GroupBox, ChildrenSitBelowTheCaptionLine) {
    test::TControlHost host;
    auto& group = host.Place<TGroupBox>(10, 10, 150, 100);
    group.SetCaption("Tip instalare");
    auto* inside = new TEdit(&host.Form());
    inside->SetParent(&group);
    inside->SetAlign(alTop);
    EXPECT_GE(inside->Top(), group.Canvas().TextHeight("0"));
    EXPECT_GT(inside->Left(), 0);
    EXPECT_LT(inside->Width(), 150);
    group.SetCaption("&Tip");
    inside->SetTabStop(true);
    EXPECT_NE(group.Perform(CM_DIALOGCHAR, 't', 0), 0);
    EXPECT_TRUE(inside->Focused());
}

} // namespace
} // namespace ui::testing
