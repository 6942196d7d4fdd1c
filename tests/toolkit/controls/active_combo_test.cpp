// The active combo: type-ahead completion from its items (and none after a deletion), the
// list closing reported through OnCloseUp, and the flat border and button colours.
#include <vector>

#include "edits_fixture.h"
#include "toolkit/controls/active_combo.h"

namespace tk::test {
namespace {

using ui::test::Picture;

class ActiveCombo : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        Combo = &Host.Place<TActiveCombo>(10, 10, 150, 21);
        Combo->Items().Assign({"Kesvard", "abc", "Abd", "xyz"});
        Combo->OnChange = [this](ui::TObject*) { Changes.push_back(Combo->Text()); };
        Combo->SetFocus();
    }
    TActiveCombo* Combo = nullptr;
    std::vector<std::string> Changes;
};

TEST_F(ActiveCombo, CompletesTheTypedTextAndSelectsTheRest) {
    Combo->SetAutoComplete(true);
    TypeText(*Combo, "ab");
    EXPECT_EQ(Combo->Text(), "abc");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->SelStart(), 2);
    EXPECT_EQ(Combo->SelLength(), 1);
    std::vector<std::string> expected = {"abc", "abc"};
    EXPECT_EQ(Changes, expected);

    TypeKey(*Combo, ui::VK_BACK, '\b');
    EXPECT_EQ(Combo->Text(), "ab");
    EXPECT_EQ(Changes.size(), 2u);

    // The next typed letter completes again, without regard to case.
    TypeText(*Combo, "d");
    EXPECT_EQ(Combo->Text(), "Abd");
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(ActiveCombo, TextWithoutAMatchingItemStaysAsTyped) {
    Combo->SetAutoComplete(true);
    TypeText(*Combo, "q");
    EXPECT_EQ(Combo->Text(), "q");
    EXPECT_EQ(Combo->SelLength(), 0);
    EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(ActiveCombo, WithoutCompletionTypingOnlyReportsTheChange) {
    TypeText(*Combo, "ab");
    EXPECT_EQ(Combo->Text(), "ab");
    TypeKey(*Combo, ui::VK_BACK, '\b');
    std::vector<std::string> expected = {"a", "ab", "a"};
    EXPECT_EQ(Changes, expected);
}

TEST_F(ActiveCombo, ClosingTheListRaisesOnCloseUp) {
    int closed = 0;
    Combo->OnCloseUp = [&](ui::TObject*) { ++closed; };
    Combo->SetDroppedDown(true);
    EXPECT_EQ(closed, 0);
    Combo->SetDroppedDown(false);
    EXPECT_EQ(closed, 1);
}

struct TComboBorderCase {
    const char* Name;
    ui::TBorderStyle BorderStyle;
    bool Focused;
    ui::TColor Outer;
};

constexpr ui::TColor Unfocused = 0x123456;
constexpr ui::TColor Focused = 0x654321;
constexpr ui::TColor Paper = 0xDFDFDF;
constexpr ui::TColor Button = 0x30C030;

class ActiveComboBorder : public EditsTest,
                          public ::testing::WithParamInterface<TComboBorderCase> {};

TEST_P(ActiveComboBorder, FlatBorderAndButtonFollowTheStyleAndFocus) {
    const TComboBorderCase& c = GetParam();
    auto& combo = Host.Place<TActiveCombo>(10, 10, 150, 21);
    auto& other = Host.Place<TActiveCombo>(10, 50, 150, 21);
    combo.SetColor(Paper);
    combo.SetBorderColor(Unfocused);
    combo.SetBorderColorF(Focused);
    combo.SetButtonColor(Button);
    combo.SetBorderStyle(c.BorderStyle);
    combo.SetFlatStyle(true);
    if (c.Focused)
        combo.SetFocus();
    else
        other.SetFocus();
    ui::TBitmap picture = Picture(combo);
    int w = combo.Width();
    int h = combo.Height();
    EXPECT_EQ(PixelAt(picture, 0, 0), ui::ColorToRGB(c.Outer));
    EXPECT_EQ(PixelAt(picture, w - 1, h - 1), ui::ColorToRGB(c.Outer));
    EXPECT_EQ(PixelAt(picture, 1, 1), ui::ColorToRGB(Paper));
    // The button's face, right of the arrow, inside the window's frames.
    EXPECT_EQ(PixelAt(picture, w - 5, h / 2), ui::ColorToRGB(Button));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActiveComboBorder,
    ::testing::Values(TComboBorderCase{"SingleUnfocused", ui::bsSingle, false, Unfocused},
                      TComboBorderCase{"SingleFocused", ui::bsSingle, true, Focused},
                      TComboBorderCase{"NoneIsTheColour", ui::bsNone, true, Paper}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace tk::test
