// The active edit: its text flush right or centred while it is not being edited and left while
// it is, the password character standing in for each character, and the flat border's colours
// by focus and bevel.
#include "edits_fixture.h"
#include "toolkit/controls/active_edit.h"

namespace tk::test {
namespace {

using ui::test::Picture;

class ActiveEdit : public EditsTest {
protected:
    TActiveEdit& PlaceEdit(int top, const std::string& text) {
        auto& edit = Host.Place<TActiveEdit>(10, top, 121, 25);
        edit.SetText(text);
        return edit;
    }
    // The edit's text area, inside its frame and margins.
    static ui::TRect TextArea(TActiveEdit& edit) {
        return {3, 3, edit.Width() - 3, edit.Height() - 3};
    }
};

TEST_F(ActiveEdit, RightAlignedTextIsFlushRightOnlyWhileUnfocused) {
    auto& edit = PlaceEdit(10, "12345");
    auto& other = PlaceEdit(50, "");
    edit.SetAlignment(ui::taRightJustify);
    int middle = edit.Width() / 2;

    ui::TBitmap before = Picture(edit);
    TInkSpan unfocused = InkColumns(before, TextArea(edit), edit.Color());
    ASSERT_GE(unfocused.Left, 0);
    EXPECT_GT(unfocused.Left, middle);

    edit.SetFocus();
    EXPECT_EQ(edit.Alignment(), ui::taLeftJustify);
    ui::TBitmap editing = Picture(edit);
    TInkSpan focused = InkColumns(editing, TextArea(edit), edit.Color());
    ASSERT_GE(focused.Left, 0);
    EXPECT_LT(focused.Left, middle);

    other.SetFocus();
    EXPECT_EQ(edit.Alignment(), ui::taRightJustify);
    ui::TBitmap after = Picture(edit);
    TInkSpan left = InkColumns(after, TextArea(edit), edit.Color());
    EXPECT_EQ(left.Left, unfocused.Left);
    EXPECT_EQ(left.Right, unfocused.Right);
}

TEST_F(ActiveEdit, CentredTextSitsInTheMiddle) {
    auto& edit = PlaceEdit(10, "abc");
    edit.SetAlignment(ui::taCenter);
    ui::TBitmap picture = Picture(edit);
    TInkSpan ink = InkColumns(picture, TextArea(edit), edit.Color());
    ASSERT_GE(ink.Left, 0);
    int inkMiddle = (ink.Left + ink.Right) / 2;
    EXPECT_NEAR(inkMiddle, edit.Width() / 2, 3);
}

TEST_F(ActiveEdit, PasswordCharacterStandsForEachCharacterWhileUnfocused) {
    auto& secret = PlaceEdit(10, "abc");
    secret.SetPasswordChar('*');
    secret.SetAlignment(ui::taRightJustify);
    auto& shown = PlaceEdit(50, "***");
    shown.SetAlignment(ui::taRightJustify);
    ui::TBitmap secretPicture = Picture(secret);
    ui::TBitmap shownPicture = Picture(shown);
    TInkSpan secretInk = InkColumns(secretPicture, TextArea(secret), secret.Color());
    TInkSpan shownInk = InkColumns(shownPicture, TextArea(shown), shown.Color());
    ASSERT_GE(shownInk.Left, 0);
    EXPECT_EQ(secretInk.Left, shownInk.Left);
    EXPECT_EQ(secretInk.Right, shownInk.Right);
}

TEST_F(ActiveEdit, DisabledUnfocusedTextIsGrey) {
    auto& edit = PlaceEdit(10, "WWW");
    edit.SetAlignment(ui::taRightJustify);
    edit.SetEnabled(false);
    ui::TBitmap picture = Picture(edit);
    ui::TRect area = TextArea(edit);
    bool grey = false;
    bool black = false;
    for (int x = area.Left; x < area.Right; ++x)
        for (int y = area.Top; y < area.Bottom; ++y) {
            grey = grey || PixelAt(picture, x, y) == 0x808080;
            black = black || PixelAt(picture, x, y) == 0;
        }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(black);
}

TEST_F(ActiveEdit, TextMarginFollowsTheFont) {
    auto& edit = PlaceEdit(10, "");
    int small = edit.TextMargin();
    edit.Font().SetHeight(-40);
    // The smaller of the system font's and the edit font's line height counts.
    EXPECT_EQ(edit.TextMargin(), small);
    edit.Font().SetHeight(-4);
    EXPECT_LT(edit.TextMargin(), small);
}

struct TBorderCase {
    const char* Name;
    ui::TPanelBevel Bevel;
    bool Focused;
    ui::TColor TopLeft;
    ui::TColor BottomRight;
};

constexpr ui::TColor Unfocused = 0x123456;
constexpr ui::TColor Focused = 0x654321;
constexpr ui::TColor Paper = 0xDFDFDF;

class ActiveEditBorder : public ActiveEdit, public ::testing::WithParamInterface<TBorderCase> {};

TEST_P(ActiveEditBorder, OuterFrameFollowsFocusAndBevelInnerFrameIsTheColour) {
    const TBorderCase& c = GetParam();
    auto& edit = PlaceEdit(10, "text");
    auto& other = PlaceEdit(50, "");
    edit.SetColor(Paper);
    edit.SetBorderColor(Unfocused);
    edit.SetBorderColorF(Focused);
    edit.SetBevelOuter(c.Bevel);
    edit.SetFlatStyle(true);
    if (c.Focused)
        edit.SetFocus();
    else
        other.SetFocus();
    ui::TBitmap picture = Picture(edit);
    int w = edit.Width();
    int h = edit.Height();
    EXPECT_EQ(PixelAt(picture, 0, 0), ui::ColorToRGB(c.TopLeft));
    EXPECT_EQ(PixelAt(picture, w - 1, h - 1), ui::ColorToRGB(c.BottomRight));
    EXPECT_EQ(PixelAt(picture, 1, 1), ui::ColorToRGB(Paper));
    EXPECT_EQ(PixelAt(picture, w - 2, h - 2), ui::ColorToRGB(Paper));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActiveEditBorder,
    ::testing::Values(
        TBorderCase{"PlainUnfocused", ui::bvNone, false, Unfocused, Unfocused},
        TBorderCase{"PlainFocused", ui::bvNone, true, Focused, Focused},
        TBorderCase{"Raised", ui::bvRaised, true, ui::clBtnHighlight, ui::clBtnShadow},
        TBorderCase{"Lowered", ui::bvLowered, false, ui::clBtnShadow, ui::clBtnHighlight},
        TBorderCase{"Space", ui::bvSpace, false, ui::clBtnShadow, ui::clBtnHighlight}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ActiveEdit, WithoutFlatStyleThePlatformFrameStays) {
    auto& edit = PlaceEdit(10, "text");
    edit.SetBorderColor(Unfocused);
    ui::TBitmap picture = Picture(edit);
    EXPECT_NE(PixelAt(picture, 0, 0), ui::ColorToRGB(Unfocused));
}

} // namespace
} // namespace tk::test
