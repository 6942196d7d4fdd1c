// The active label's captions: a lone "&" shows as a space, the accelerator letter is red, and
// the accelerator works only for an enabled label that shows accelerators and names a control
// that can take the focus.
#include "edits_fixture.h"
#include "toolkit/controls/active_edit.h"
#include "toolkit/controls/active_label.h"

namespace tk::test {
namespace {

using ui::test::Picture;

class ActiveLabel : public EditsTest {
protected:
    TActiveLabel& PlaceLabel(const std::string& caption) {
        auto& label = Host.Place<TActiveLabel>(10, 10, 80, 17);
        label.SetCaption(caption);
        label.SetColor(ui::clWhite);
        label.SetTransparent(false);
        return label;
    }
    TInkSpan LabelInk(TActiveLabel& label) {
        ui::TBitmap picture = Host.Snapshot();
        return InkColumns(picture, label.BoundsRect(), ui::clWhite);
    }
    bool HasRed(TActiveLabel& label) {
        ui::TBitmap picture = Host.Snapshot();
        ui::TRect r = label.BoundsRect();
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top; y < r.Bottom; ++y)
                if (PixelAt(picture, x, y) == 0x0000FF)
                    return true;
        return false;
    }
};

TEST_F(ActiveLabel, StartsWithoutAutoSize) {
    auto& label = PlaceLabel("O eticheta destul de lunga");
    EXPECT_FALSE(label.AutoSize());
    EXPECT_EQ(label.Width(), 80);
}

TEST_F(ActiveLabel, LoneAmpersandPaintsASpace) {
    auto& label = PlaceLabel("&");
    EXPECT_EQ(LabelInk(label).Left, -1);
    label.SetShowAccelChar(false);
    EXPECT_GE(LabelInk(label).Left, 0);
}

TEST_F(ActiveLabel, AcceleratorLetterIsRed) {
    auto& label = PlaceLabel("&Nume");
    EXPECT_TRUE(HasRed(label));
    label.SetCaption("Nume");
    EXPECT_FALSE(HasRed(label));
}

struct TAccelCase {
    const char* Name;
    bool LabelEnabled;
    bool ShowAccelChar;
    bool TargetEnabled;
    bool HasTarget;
    char Typed;
    bool Consumed;
};

class ActiveLabelAccel : public ActiveLabel, public ::testing::WithParamInterface<TAccelCase> {};

TEST_P(ActiveLabelAccel, FocusesItsControlOnlyWhenEverythingAllows) {
    const TAccelCase& c = GetParam();
    auto& label = PlaceLabel("&Cale");
    auto& edit = Host.Place<TActiveEdit>(100, 10, 150, 25);
    auto& other = Host.Place<TActiveEdit>(100, 50, 150, 25);
    other.SetFocus();
    if (c.HasTarget)
        edit.SetAssocLabel(&label);
    label.SetEnabled(c.LabelEnabled);
    label.SetShowAccelChar(c.ShowAccelChar);
    edit.SetEnabled(c.TargetEnabled);
    bool consumed = label.Perform(ui::CM_DIALOGCHAR, ui::WPARAM(uint8_t(c.Typed)), 0) != 0;
    EXPECT_EQ(consumed, c.Consumed);
    EXPECT_EQ(edit.Focused(), c.Consumed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActiveLabelAccel,
    ::testing::Values(TAccelCase{"Matches", true, true, true, true, 'c', true},
                      TAccelCase{"UpperCase", true, true, true, true, 'C', true},
                      TAccelCase{"OtherLetter", true, true, true, true, 'a', false},
                      TAccelCase{"LabelDisabled", false, true, true, true, 'c', false},
                      TAccelCase{"NoAccelerators", true, false, true, true, 'c', false},
                      TAccelCase{"TargetDisabled", true, true, false, true, 'c', false},
                      TAccelCase{"NoTarget", true, true, true, false, 'c', false}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace tk::test
