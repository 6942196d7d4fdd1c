// Zoom by the mouse wheel with Ctrl+Alt, back to the designed size with Shift as well; the
// form's own wheel events fire either way.
#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/ui/testing/scripted_user.h"

namespace tk::test {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

constexpr ui::TShiftState Zoom = ui::ssCtrl | ui::ssAlt;

struct TSize {
    int Width, Height, ButtonWidth, FontHeight;
    friend bool operator==(const TSize&, const TSize&) = default;
};

TSize SizeOf(ui::TCustomForm& form) {
    auto* button = dynamic_cast<ui::TControl*>(form.FindComponent("BNext"));
    return {form.Width(), form.Height(), button->Width(), form.Font().Height()};
}

void Wheel(TScriptActor& u, int delta, ui::TShiftState shift) {
    u.Wheel("Ecran", delta, shift);
    u.ProcessMessages();
}

TEST_F(FormsTest, WheelZoomUpTwiceThenShiftReturnsToTheDesignedSize) {
    auto screen = MakeScreen();
    screen->Font().SetHeight(-40); // large enough that one step changes it
    TSize designed = SizeOf(*screen);
    int wheelUps = 0;
    screen->OnMouseWheelUp = [&](ui::TObject*, ui::TShiftState, ui::TPoint, bool&) { ++wheelUps; };
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        Wheel(u, 120, Zoom);
        EXPECT_EQ(screen->DPIScale, 1);
        TSize once = SizeOf(*screen);
        EXPECT_GT(once.Width, designed.Width);
        EXPECT_GT(once.ButtonWidth, designed.ButtonWidth);
        Wheel(u, 120, Zoom);
        EXPECT_EQ(screen->DPIScale, 2);
        EXPECT_GT(SizeOf(*screen).Width, once.Width);
        Wheel(u, 120, Zoom | ui::ssShift);
        EXPECT_EQ(screen->DPIScale, 0);
        EXPECT_EQ(SizeOf(*screen), designed);
        u.Form().SetModalResult(ui::mrOk);
    });
    screen->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(wheelUps, 3);
}

TEST_F(FormsTest, WheelWithoutBothCtrlAndAltDoesNotZoom) {
    auto screen = MakeScreen();
    TSize designed = SizeOf(*screen);
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        for (ui::TShiftState shift : {ui::TShiftState(0), ui::TShiftState(ui::ssCtrl),
                                      ui::TShiftState(ui::ssAlt), ui::TShiftState(ui::ssShift)}) {
            Wheel(u, 120, shift);
            Wheel(u, -120, shift);
        }
        u.Form().SetModalResult(ui::mrOk);
    });
    screen->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(screen->DPIScale, 0);
    EXPECT_EQ(SizeOf(*screen), designed);
}

TEST_F(FormsTest, WheelDownShrinksAndTheLimitsFollow) {
    auto screen = MakeScreen();
    screen->Constraints().SetMinWidth(300);
    TSize designed = SizeOf(*screen);
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        Wheel(u, -120, Zoom);
        u.Form().SetModalResult(ui::mrOk);
    });
    screen->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(screen->DPIScale, -1);
    EXPECT_LT(SizeOf(*screen).Width, designed.Width);
    EXPECT_EQ(screen->Constraints().MinWidth(), 297); // 99 %, not 100/101
    EXPECT_EQ(screen->Constraints().MaxWidth(), 1906);
}

TEST_F(FormsTest, AZoomLevelFarOutOfRangeIsHeld) {
    auto screen = MakeScreen();
    screen->SetZoomLevel(30000);
    EXPECT_LE(screen->DPIScale, 100);
    EXPECT_LE(screen->Width(), 32767);
    screen->SetZoomLevel(0);
    EXPECT_EQ(screen->DPIScale, 0);
}

} // namespace
} // namespace tk::test
