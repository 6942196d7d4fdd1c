// The check box: its three states, the toggle cycle (grayed only with AllowGrayed), a click
// for every change of state, clicks and the accelerator toggling, and the box image of the
// state drawn on the chosen side.
#include <ostream>

#include "edits_fixture.h"
#include "toolkit/controls/active_check_box.h"

namespace tk::test {
namespace {

struct TToggleCase {
    const char* Name;
    bool AllowGrayed;
    TCheckBoxState From;
    TCheckBoxState To;
};

void PrintTo(const TToggleCase& c, std::ostream* os) {
    *os << c.Name;
}

class CheckBoxToggle : public EditsTest, public ::testing::WithParamInterface<TToggleCase> {};

TEST_P(CheckBoxToggle, AClickMovesToTheNextStateAndReportsIt) {
    const TToggleCase& c = GetParam();
    auto& box = Host.Place<TActiveCheckBox>(10, 10, 97, 17);
    box.SetAllowGrayed(c.AllowGrayed);
    box.SetState(c.From);
    int clicks = 0;
    box.OnClick = [&](ui::TObject*) { ++clicks; };
    ui::SendMessage(box.Handle(), ui::BM_CLICK, 0, 0);
    EXPECT_EQ(box.State(), c.To);
    EXPECT_EQ(box.Checked(), c.To == cbChecked);
    EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckBoxToggle,
    ::testing::Values(TToggleCase{"UncheckedToChecked", false, cbUnchecked, cbChecked},
                      TToggleCase{"UncheckedToGrayed", true, cbUnchecked, cbGrayed},
                      TToggleCase{"CheckedToUnchecked", false, cbChecked, cbUnchecked},
                      TToggleCase{"CheckedToUncheckedEvenGrayed", true, cbChecked, cbUnchecked},
                      TToggleCase{"GrayedToChecked", false, cbGrayed, cbChecked},
                      TToggleCase{"GrayedToCheckedAllowed", true, cbGrayed, cbChecked}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EditsTest, CheckBoxDefaultsAndUnchangedStateRaisesNoClick) {
    auto* box = new TActiveCheckBox(&Host.Form());
    EXPECT_EQ(box->Width(), 97);
    EXPECT_EQ(box->Height(), 17);
    EXPECT_TRUE(box->TabStop());
    EXPECT_EQ(box->Alignment(), ui::taRightJustify);
    EXPECT_EQ(box->State(), cbUnchecked);
    int clicks = 0;
    box->OnClick = [&](ui::TObject*) { ++clicks; };
    box->SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box->SetChecked(true);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(clicks, 1);
}

TEST_F(EditsTest, CheckBoxAcceleratorFocusesAndToggles) {
    auto& box = Host.Place<TActiveCheckBox>(10, 10, 120, 17);
    box.SetCaption("&Structuri");
    EXPECT_NE(box.Perform(ui::CM_DIALOGCHAR, 's', 0), 0);
    EXPECT_TRUE(box.Focused());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(box.Perform(ui::CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_TRUE(box.Checked());
}

// The box of each state is the frame of the strip the state names: checked, unchecked, grayed.
TEST_F(EditsTest, CheckBoxDrawsTheFrameOfItsStateOnTheChosenSide) {
    ui::TBitmap strip(30, 10);
    strip.Canvas().Brush().SetColor(0xFF00FF);
    strip.Canvas().FillRect({0, 0, 30, 10});
    const ui::TColor marks[] = {0x00AA00, 0x0000AA, 0xAA0000};
    for (int i = 0; i < 3; ++i) {
        strip.Canvas().Brush().SetColor(marks[i]);
        strip.Canvas().FillRect({i * 10 + 2, 2, i * 10 + 8, 8});
    }
    auto& box = Host.Place<TActiveCheckBox>(10, 10, 100, 20);
    box.SetColor(ui::clWhite);
    box.SetGlyph(strip);
    box.SetCustomGlyph(true);
    const TCheckBoxState states[] = {cbChecked, cbUnchecked, cbGrayed};
    for (ui::TAlignment side : {ui::taRightJustify, ui::taLeftJustify}) {
        box.SetAlignment(side);
        int boxLeft = side == ui::taRightJustify ? 0 : box.Width() - 10;
        for (int i = 0; i < 3; ++i) {
            box.SetState(states[i]);
            ui::TBitmap picture = ui::test::Picture(box);
            int boxTop = -1;
            for (int y = 0; y < box.Height() && boxTop < 0; ++y)
                if (PixelAt(picture, boxLeft + 5, y) == ui::ColorToRGB(marks[i]))
                    boxTop = y;
            EXPECT_GE(boxTop, 0) << "state " << i << " side " << side;
            // The strip's background colour is left out.
            EXPECT_EQ(PixelAt(picture, boxLeft, 0), ui::ColorToRGB(ui::clWhite));
        }
    }
}

} // namespace
} // namespace tk::test
