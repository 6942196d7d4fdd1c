// The glyph button's states: the glyph frame of each state (with a short strip showing its
// last frame), the light button's face under the mouse and with the focus (the focus moving
// along a row of light buttons), the active default button, and the default and cancel keys.
#include <gtest/gtest.h>

#include "buttons_fixture.h"
#include "platform/ui/stdctrls/edit.h"
#include "toolkit/controls/mbutton.h"

namespace tk::test {
namespace {

class MButtonStates : public ButtonsTest {
protected:
    // A glyph-only button whose 16 x 16 frames have their centre at (45, 20).
    TMButton& PlaceGlyphButton(int frames = 3) {
        auto& b = Host.Place<TMButton>(10, 10, 90, 40);
        b.SetGlyph(FramedStrip(frames, 16));
        b.SetNumGlyphs(frames);
        return b;
    }
    int FrameShown(TMButton& b) {
        ui::TBitmap picture = Host.Snapshot();
        return FrameAt(picture, {b.Left() + 45, b.Top() + 20});
    }
    ui::TEdit& Elsewhere() { return Host.Place<ui::TEdit>(250, 250, 100, 22); }
};

struct TFrameCase {
    const char* Name;
    bool Light;
    int Frames;
    bool Disabled;
    bool Down;
    int Frame;
};

class GlyphFrame : public MButtonStates, public ::testing::WithParamInterface<TFrameCase> {};

TEST_P(GlyphFrame, ShowsTheFrameOfTheState) {
    const TFrameCase& c = GetParam();
    TMButton& b = PlaceGlyphButton(c.Frames);
    b.SetLightButton(c.Light);
    Elsewhere().SetFocus();
    if (c.Disabled)
        b.SetEnabled(false);
    if (c.Down)
        ui::SendMessage(b.Handle(), ui::BM_SETSTATE, 1, 0);
    EXPECT_EQ(FrameShown(b), c.Frame);
    // The strip's background never shows: it takes the colour of the face under it.
    ui::TBitmap picture = Host.Snapshot();
    EXPECT_NE(PixelOf(picture, {b.Left() + 45, b.Top() + 14}), ui::ColorToRGB(StripBackground));
}

INSTANTIATE_TEST_SUITE_P(
    MButton, GlyphFrame,
    ::testing::Values(TFrameCase{"LightUp", true, 3, false, false, 0},
                      TFrameCase{"LightDisabled", true, 3, true, false, 1},
                      TFrameCase{"LightDown", true, 3, false, true, 2},
                      TFrameCase{"FaceUp", false, 3, false, false, 0},
                      TFrameCase{"FaceDisabled", false, 3, true, false, 1},
                      TFrameCase{"FaceDown", false, 3, false, true, 2},
                      // A strip with fewer frames shows its last one rather than nothing.
                      TFrameCase{"OneFrameDown", false, 1, false, true, 0},
                      TFrameCase{"TwoFramesDown", false, 2, false, true, 1}),
    [](const ::testing::TestParamInfo<TFrameCase>& info) { return info.param.Name; });

TEST_F(MButtonStates, ALightButtonShowsItsFaceUnderTheMouseAndWithTheFocus) {
    TMButton& b = PlaceGlyphButton();
    b.SetColor(0x00FFFF);
    b.SetColorOver(0xFFFF00);
    Elsewhere().SetFocus();
    auto corner = [&] {
        ui::TBitmap picture = Host.Snapshot();
        return PixelOf(picture, {b.Left() + 5, b.Top() + 5});
    };
    EXPECT_EQ(corner(), ui::ColorToRGB(0x00FFFF));
    b.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(b.DrawFace());
    EXPECT_EQ(corner(), ui::ColorToRGB(0xFFFF00));
    b.Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(b.DrawFace());
    b.SetFocus();
    EXPECT_TRUE(b.DrawFace());
    b.Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(b.DrawFace()); // the focused button keeps its face
}

TEST_F(MButtonStates, TheFocusFollowsTheMouseAlongLightButtonsOnly) {
    auto& a = Host.Place<TMButton>(10, 10, 90, 40);
    auto& b = Host.Place<TMButton>(110, 10, 90, 40);
    auto& classic = Host.Place<TMButton>(210, 10, 90, 40);
    classic.SetLightButton(false);
    a.SetFocus();
    b.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(b.Focused());
    EXPECT_TRUE(b.DrawFace());
    EXPECT_FALSE(a.DrawFace());
    // A classic button does not take the focus from the mouse, nor give it to a light one.
    classic.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(b.Focused());
    classic.SetFocus();
    a.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(classic.Focused());
    EXPECT_TRUE(a.DrawFace());
}

TEST_F(MButtonStates, TheActiveDefaultButtonKnowsItAndAnswersEnter) {
    auto& ok = Host.Place<TMButton>(10, 10, 90, 40);
    auto& cancel = Host.Place<TMButton>(110, 10, 90, 40);
    ok.SetKind(mkOK);
    ok.SetDefault(true);
    cancel.SetKind(mkCancel);
    cancel.SetCancel(true);
    Elsewhere().SetFocus();
    EXPECT_TRUE(ok.IsDefaultFocused());
    EXPECT_FALSE(cancel.IsDefaultFocused());

    // A focused button is the one Enter answers.
    cancel.SetFocus();
    EXPECT_FALSE(ok.IsDefaultFocused());
    EXPECT_TRUE(cancel.IsDefaultFocused());

    Elsewhere().SetFocus();
    Host.Form().SetModalResult(ui::mrNone);
    EXPECT_EQ(ok.Perform(ui::CM_DIALOGKEY, ui::VK_RETURN, 0), 1);
    EXPECT_EQ(Host.Form().ModalResult(), 1);
    Host.Form().SetModalResult(ui::mrNone);
    EXPECT_EQ(cancel.Perform(ui::CM_DIALOGKEY, ui::VK_ESCAPE, 0), 1);
    EXPECT_EQ(Host.Form().ModalResult(), 2);
    Host.Form().SetModalResult(ui::mrNone);
}

TEST_F(MButtonStates, TheDisabledCaptionColourIsFixedTheFirstTimeItIsNeeded) {
    auto& b = Host.Place<TMButton>(10, 10, 90, 40);
    b.SetColor(0xFFFFFF);
    b.SetCaption("&Test");
    b.SetEnabled(false);
    Host.Snapshot();
    ui::TColor first = b.DisabledTextColor();
    EXPECT_EQ(first, DarkenColor(0xFFFFFF, 3));
    b.SetColor(0x000080);
    Host.Snapshot();
    EXPECT_EQ(b.DisabledTextColor(), first);
}

TEST_F(MButtonStates, AQuickSecondClickIsAnotherClick) {
    auto& b = Host.Place<TMButton>(10, 10, 90, 40);
    int clicks = 0;
    b.OnClick = [&](ui::TObject*) { ++clicks; };
    ClickWithMouse(b, 20, 20);
    ui::SendMessage(b.Handle(), ui::WM_LBUTTONDBLCLK, ui::MK_LBUTTON, ui::MakeLParam(20, 20));
    ui::SendMessage(b.Handle(), ui::WM_LBUTTONUP, 0, ui::MakeLParam(20, 20));
    EXPECT_EQ(clicks, 2);
}

} // namespace
} // namespace tk::test
