// The message dialog's arithmetic: panel sizes and places worked out by hand for a short
// two-button question with an icon, a long one-line text without an icon, a multi-line text
// taller than its icon and a tiny text on the minimum panel.
#include <gtest/gtest.h>

#include "toolkit/forms/message_dialog_layout.h"

namespace tk {
namespace {

using ui::Bounds;

struct TLayoutCase {
    const char* Name;
    TMessageMetrics Metrics;
    TMessageLayout Expected;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) {
    *os << c.Name;
}

class MessageDialogLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(MessageDialogLayout, PlacesEveryPart) {
    const TLayoutCase& c = GetParam();
    TMessageLayout got = LayOutMessage(c.Metrics);
    EXPECT_EQ(got.TextPanel, c.Expected.TextPanel);
    EXPECT_EQ(got.Label, c.Expected.Label);
    EXPECT_EQ(got.Icon, c.Expected.Icon);
    EXPECT_EQ(got.Bevel, c.Expected.Bevel);
    EXPECT_EQ(got.ButtonPanel, c.Expected.ButtonPanel);
    EXPECT_EQ(got.FormClientWidth, c.Expected.FormClientWidth);
    EXPECT_EQ(got.FormClientHeight, c.Expected.FormClientHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageDialogLayout,
    ::testing::Values(
        // The buttons' row (2 x 100 + 32 = 232) is wider than the content (174); the icon is
        // taller than the text, so the text is centred on it.
        TLayoutCase{"ShortQuestionWithIcon",
                    {100, 13, 32, 32, 2, 25},
                    {Bounds(16, 41, 232, 55), Bounds(87, 20, 100, 13), Bounds(10, 10, 32, 32),
                     Bounds(0, 112, 264, 5), Bounds(16, 120, 232, 43), 264, 170}},
        // An odd room right of the icon: the text's left rounds down.
        TLayoutCase{"OddRoomRoundsDown",
                    {101, 13, 32, 32, 2, 25},
                    {Bounds(16, 41, 232, 55), Bounds(86, 20, 101, 13), Bounds(10, 10, 32, 32),
                     Bounds(0, 112, 264, 5), Bounds(16, 120, 232, 43), 264, 170}},
        // The content (400 + 42) decides the width; without an icon the text starts at 16.
        TLayoutCase{"LongTextNoIcon",
                    {400, 52, 0, 0, 1, 25},
                    {Bounds(16, 41, 442, 84), Bounds(26, 16, 400, 52), Bounds(10, 42, 0, 0),
                     Bounds(0, 141, 474, 5), Bounds(171, 149, 132, 43), 474, 199}},
        // A text taller than the icon: the icon is centred on the text.
        TLayoutCase{"MultiLineTallerThanIcon",
                    {250, 65, 48, 48, 3, 25},
                    {Bounds(16, 41, 340, 97), Bounds(74, 16, 250, 65), Bounds(10, 24, 48, 48),
                     Bounds(0, 154, 372, 5), Bounds(20, 162, 332, 43), 372, 212}},
        // Everything small: the panel keeps its 150 x 55 minimum.
        TLayoutCase{"MinimumPanel",
                    {10, 13, 0, 0, 0, 25},
                    {Bounds(16, 41, 150, 55), Bounds(75, 16, 10, 13), Bounds(10, 22, 0, 0),
                     Bounds(0, 112, 182, 5), Bounds(75, 120, 32, 43), 182, 170}}),
    [](const ::testing::TestParamInfo<TLayoutCase>& info) { return std::string(info.param.Name); });

TEST(MessageDialogLayoutRules, ButtonsFollowEachOtherFromTheLeft) {
    EXPECT_EQ(DialogButtonBounds(0), Bounds(16, 8, 100, 28));
    EXPECT_EQ(DialogButtonBounds(2), Bounds(216, 8, 100, 28));
    // The last of n buttons ends 16 pixels before the panel's right edge.
    for (int n = 1; n <= 12; ++n) {
        TMessageLayout layout = LayOutMessage({40, 13, 32, 32, n, 25});
        EXPECT_EQ(DialogButtonBounds(n - 1).Right + 16, layout.ButtonPanel.Width()) << n;
        EXPECT_GE(layout.TextPanel.Width(), layout.ButtonPanel.Width()) << n;
    }
}

TEST(MessageDialogLayoutRules, DialogIsCentredOnTheScreenByItsOuterSize) {
    EXPECT_EQ(CentreOnScreen(800, 800, 266, 172), ui::Point(267, 314));
    EXPECT_EQ(CentreOnScreen(1024, 768, 1025, 11), ui::Point(0, 379));
}

} // namespace
} // namespace tk
