// The flat button's states: the pressed look that a keyboard click flashes until its timer
// ticks, one hovered flat button at a time (taking the focus along when the other had it), the
// hover that follows the face and not the margin, and the looks a disabled button keeps.
#include <gtest/gtest.h>

#include "buttons_fixture.h"
#include "platform/ui/stdctrls/edit.h"
#include "toolkit/controls/nice_button.h"

namespace tk::test {
namespace {

class NiceButtonStates : public ButtonsTest {
protected:
    TNiceButton& Place(int left, int top) {
        auto& b = Host.Place<TNiceButton>(left, top, 110, 28);
        b.SetKind(mkOK);
        return b;
    }
    void Tick(TNiceButton& b) {
        ui::SendMessage(b.Handle(), ui::WM_TIMER, TNiceButton::FlashTimerId, 0);
    }
    ui::TEdit& Elsewhere() { return Host.Place<ui::TEdit>(250, 250, 100, 22); }
};

TEST_F(NiceButtonStates, AKeyboardClickFlashesThePressedLookUntilTheTimerTicks) {
    auto& b = Place(10, 10);
    int clicks = 0;
    b.OnClick = [&](ui::TObject*) { ++clicks; };
    b.SetFocus();
    ClickWithSpace(b);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b.ForcedDown());
    EXPECT_TRUE(b.FlashTimerRunning());
    ui::TBitmap flashed = Host.Snapshot();

    Tick(b);
    EXPECT_FALSE(b.ForcedDown());
    EXPECT_FALSE(b.FlashTimerRunning());

    // The flash is the look of the button held down.
    ui::SendMessage(b.Handle(), ui::BM_SETSTATE, 1, 0);
    ui::TBitmap held = Host.Snapshot();
    ui::SendMessage(b.Handle(), ui::BM_SETSTATE, 0, 0);
    ui::TBitmap released = Host.Snapshot();
    ui::TRect area = b.BoundsRect();
    bool sameAsHeld = true;
    bool differsFromReleased = false;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            sameAsHeld &= PixelOf(flashed, {x, y}) == PixelOf(held, {x, y});
            differsFromReleased |= PixelOf(flashed, {x, y}) != PixelOf(released, {x, y});
        }
    EXPECT_TRUE(sameAsHeld);
    EXPECT_TRUE(differsFromReleased);
}

TEST_F(NiceButtonStates, AMouseClickDoesNotFlash) {
    auto& b = Place(10, 10);
    int clicks = 0;
    b.OnClick = [&](ui::TObject*) { ++clicks; };
    ClickWithMouse(b, 60, 14);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.ForcedDown());
    EXPECT_FALSE(b.FlashTimerRunning());
    EXPECT_FALSE(b.MouseIsDown());
}

TEST_F(NiceButtonStates, ForcedDownSetWhileTheMouseHoldsTheButtonNeedsNoTimer) {
    auto& b = Place(10, 10);
    ui::SendMessage(b.Handle(), ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::MakeLParam(60, 14));
    b.SetForcedDown(true);
    EXPECT_FALSE(b.FlashTimerRunning());
    b.SetForcedDown(false);
    ui::SendMessage(b.Handle(), ui::WM_LBUTTONUP, 0, ui::MakeLParam(60, 14));
    // A button freed during its flash stops its timer with it.
    b.SetForcedDown(true);
    EXPECT_TRUE(b.FlashTimerRunning());
    ui::Free(&b);
    Host.Snapshot();
}

TEST_F(NiceButtonStates, OnlyOneFlatButtonShowsTheHoverLook) {
    auto& a = Place(10, 10);
    auto& b = Place(10, 50);
    Elsewhere().SetFocus();
    ui::SendMessage(a.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    EXPECT_TRUE(a.DrawFace());
    EXPECT_EQ(HoveredNiceButton, &a);
    ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    EXPECT_FALSE(a.DrawFace());
    EXPECT_TRUE(b.DrawFace());
    EXPECT_EQ(HoveredNiceButton, &b);
    EXPECT_FALSE(b.Focused()); // the focus was not on a flat button: it stays where it is

    ui::Free(&b);
    EXPECT_EQ(HoveredNiceButton, nullptr);
}

TEST_F(NiceButtonStates, HoveringAnotherFlatButtonTakesTheFocusAlong) {
    auto& a = Place(10, 10);
    auto& b = Place(10, 50);
    a.SetFocus();
    EXPECT_TRUE(a.DrawFace());
    ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    EXPECT_TRUE(b.Focused());
    EXPECT_TRUE(b.DrawFace());
    EXPECT_FALSE(a.DrawFace());
    // The focused button keeps its look when the mouse leaves it.
    b.Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(b.DrawFace());
}

TEST_F(NiceButtonStates, TheMouseEnteringHoversOnlyOverTheFace) {
    auto& b = Place(10, 10);
    Elsewhere().SetFocus();
    Host.Snapshot();
    int enters = 0;
    b.OnMouseEnter = [&](ui::TObject*) { ++enters; };
    ui::SetCursorPos(b.ClientToScreen({5, 14})); // left of the glyph
    b.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(b.DrawFace());
    ui::SetCursorPos(b.ClientToScreen({70, 14}));
    b.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(b.DrawFace());
    b.Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(b.DrawFace());
    EXPECT_EQ(enters, 0); // the flat button raises no enter events
}

TEST_F(NiceButtonStates, ADisabledButtonLeavesNoHoverBehind) {
    auto& a = Place(10, 10);
    auto& b = Place(10, 50);
    Elsewhere().SetFocus();
    ui::SendMessage(a.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    a.SetEnabled(false);
    EXPECT_EQ(HoveredNiceButton, nullptr);
    a.SetEnabled(true);
    ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    EXPECT_FALSE(a.DrawFace());
    EXPECT_TRUE(b.DrawFace());
    // A disabled button does not take the hover.
    b.SetEnabled(false);
    ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
    b.Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(b.DrawFace());
}

// The glyph's frames: 0 at rest, the last one under the mouse, 1 when disabled; the same
// whether painted directly or from the cached looks.
TEST_F(NiceButtonStates, TheGlyphFrameFollowsTheLook) {
    for (bool buffered : {false, true}) {
        SCOPED_TRACE(buffered ? "buffered" : "direct");
        auto& b = Host.Place<TNiceButton>(10, 10, 110, 28);
        b.SetCaption("&Test");
        b.SetGlyph(FramedStrip(3, 16));
        b.SetBuffered(buffered);
        Elsewhere().SetFocus();
        ui::TPoint centre{10 + 34 - 16 + 8, 10 + 14};
        ui::TBitmap rest = Host.Snapshot();
        EXPECT_EQ(FrameAt(rest, centre), 0);
        ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 14));
        ui::TBitmap hover = Host.Snapshot();
        EXPECT_EQ(FrameAt(hover, centre), 2);
        b.SetEnabled(false);
        ui::TBitmap disabled = Host.Snapshot();
        EXPECT_EQ(FrameAt(disabled, centre), 1);
        // The strip's background becomes the button's colour.
        EXPECT_NE(PixelOf(disabled, {10 + 34 - 16, 10 + 7}), ui::ColorToRGB(StripBackground));
        ui::Free(&b);
    }
}

TEST_F(NiceButtonStates, TheCachedLooksAreRepaintedWhenTheLookChanges) {
    auto& b = Place(10, 10);
    b.SetBuffered(true);
    Host.Snapshot();
    EXPECT_TRUE(b.BufferFilled());
    b.SetCaption("&Altceva");
    EXPECT_FALSE(b.BufferFilled());
    Host.Snapshot();
    EXPECT_TRUE(b.BufferFilled());
    b.SetBounds(10, 10, 140, 30);
    Host.Snapshot();
    EXPECT_TRUE(b.BufferFilled());
    b.SetColor(0x336699);
    EXPECT_FALSE(b.BufferFilled());
}

// A skin face narrower than its nine slices cannot be cut; the button is left unpainted
// rather than copying empty slices for ever.
TEST_F(NiceButtonStates, AFaceTooNarrowForItsSlicesLeavesTheButtonUnpainted) {
    ui::TBitmap narrow(8, 20);
    narrow.Canvas().Brush().SetColor(0x00C000);
    narrow.Canvas().FillRect({0, 0, 8, 20});
    ui::TBitmap* skinFace = NiceButtonFace;
    NiceButtonFace = &narrow;
    auto& b = Host.Place<TNiceButton>(10, 10, 110, 28);
    b.SetCaption("&Test");
    ui::TBitmap shot = Host.Snapshot();
    NiceButtonFace = skinFace;
    for (ui::TPoint p : {ui::TPoint{12, 12}, ui::TPoint{60, 24}, ui::TPoint{115, 35}})
        EXPECT_NE(PixelOf(shot, p), ui::ColorToRGB(0x00C000)) << p.X << "," << p.Y;
    ui::Free(&b);
}

} // namespace
} // namespace tk::test
