// The associated label of the edit, the memo and the combo: it focuses its control, takes the
// label colour while the control has the focus and gets its own colour and style back after;
// a freed label is forgotten.
#include <functional>

#include "edits_fixture.h"
#include "toolkit/controls/active_combo.h"
#include "toolkit/controls/active_edit.h"
#include "toolkit/controls/active_label.h"
#include "toolkit/controls/active_memo.h"

namespace tk::test {
namespace {

constexpr ui::TColor Lit = 0x00C000;
constexpr ui::TColor Own = 0x402010;

struct TLabelledKind {
    const char* Name;
    // Places the control on the host with the label as its associated label.
    std::function<ui::TWinControl&(ui::test::TControlHost&, TActiveLabel*)> Place;
};

template <class T> TLabelledKind Kind(const char* name) {
    return {name, [](ui::test::TControlHost& host, TActiveLabel* label) -> ui::TWinControl& {
                auto& control = host.Place<T>(100, 10, 150, 25);
                control.SetLabelColor(Lit);
                control.SetAssocLabel(label);
                return control;
            }};
}

class AssocLabel : public EditsTest, public ::testing::WithParamInterface<TLabelledKind> {
protected:
    TActiveLabel& PlaceLabel() {
        auto& label = Host.Place<TActiveLabel>(10, 10, 80, 17);
        label.SetCaption("&Nume");
        label.Font().SetColor(Own);
        label.Font().SetStyle(ui::fsItalic);
        return label;
    }
};

TEST_P(AssocLabel, LightsWhileTheControlHasTheFocus) {
    TActiveLabel& label = PlaceLabel();
    ui::TWinControl& control = GetParam().Place(Host, &label);
    auto& other = Host.Place<ui::TEdit>(10, 100, 80, 25);
    EXPECT_EQ(label.FocusControl(), &control);

    control.SetFocus();
    EXPECT_EQ(label.Font().Color(), Lit);
    EXPECT_EQ(label.Font().Style(), unsigned(ui::fsItalic));
    other.SetFocus();
    EXPECT_EQ(label.Font().Color(), Own);
    EXPECT_EQ(label.Font().Style(), unsigned(ui::fsItalic));
}

TEST_P(AssocLabel, AcceleratorOfTheLabelFocusesTheControl) {
    TActiveLabel& label = PlaceLabel();
    ui::TWinControl& control = GetParam().Place(Host, &label);
    int clicks = 0;
    label.OnClick = [&](ui::TObject*) { ++clicks; };
    EXPECT_NE(label.Perform(ui::CM_DIALOGCHAR, 'n', 0), 0);
    EXPECT_TRUE(control.Focused());
    EXPECT_EQ(clicks, 1);
}

TEST_P(AssocLabel, FreedLabelIsForgottenAndFocusStillMoves) {
    TActiveLabel* label = &PlaceLabel();
    ui::TWinControl& control = GetParam().Place(Host, label);
    auto& other = Host.Place<ui::TEdit>(10, 100, 80, 25);
    control.SetFocus();
    ui::Free(label);
    other.SetFocus();
    control.SetFocus();
    EXPECT_TRUE(control.Focused());
    other.SetFocus();
    EXPECT_TRUE(other.Focused());
}

INSTANTIATE_TEST_SUITE_P(Controls, AssocLabel,
                         ::testing::Values(Kind<TActiveEdit>("Edit"), Kind<TActiveMemo>("Memo"),
                                           Kind<TActiveCombo>("Combo")),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EditsTest, LabelAssignedWhileFocusedKeepsItsColourAfterwards) {
    auto& edit = Host.Place<TActiveEdit>(100, 10, 150, 25);
    auto& other = Host.Place<ui::TEdit>(10, 100, 80, 25);
    auto& label = Host.Place<TActiveLabel>(10, 10, 80, 17);
    label.Font().SetColor(Own);
    edit.SetFocus();
    edit.SetAssocLabel(&label);
    other.SetFocus();
    EXPECT_EQ(label.Font().Color(), Own);
}

} // namespace
} // namespace tk::test
