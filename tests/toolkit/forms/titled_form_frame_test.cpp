// The titled form's frame: the top band of the client area drags the window, a converted form
// sizes from its 7-pixel edges and paints its own border, and the window menu speaks Romanian.
#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/system_menu.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/message_form.h"

namespace tk::test {
namespace {

using ui::testing::TScriptActor;
using ui::testing::TScriptedUser;

struct TDragCase {
    int Y; // where the drag starts, in client pixels below the top
    bool Moves;
};

class DragBand : public FormsTest, public ::testing::WithParamInterface<TDragCase> {};

TEST_P(DragBand, MovesTheWindowOnlyFromTheTop50ClientPixels) {
    const TDragCase& c = GetParam();
    auto screen = MakeScreen();
    int left = screen->Left();
    int top = screen->Top();
    TScriptedUser user;
    user.Expect("Ecran", [&](TScriptActor& u) {
        u.Press("Ecran", 20, c.Y);
        u.MoveTo("Ecran", 50, c.Y + 20);
        u.Release("Ecran", 50, c.Y + 20);
        u.Form().SetModalResult(ui::mrOk);
    });
    screen->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(screen->Left(), c.Moves ? left + 30 : left);
    EXPECT_EQ(screen->Top(), c.Moves ? top + 20 : top);
}

INSTANTIATE_TEST_SUITE_P(TitledForm, DragBand,
                         ::testing::Values(TDragCase{5, true}, TDragCase{30, true},
                                           TDragCase{49, true}, TDragCase{50, false},
                                           TDragCase{120, false}),
                         [](const auto& info) { return "At" + std::to_string(info.param.Y); });

// Hit-test answers of a converted form (border 3) at points given from the window's corner.
TEST_F(FormsTest, AConvertedFormSizesFromSevenPixelEdges) {
    auto screen = MakeScreen(TScreenVariant::Sizeable);
    screen->Show();
    ASSERT_TRUE(screen->fWin10Sizeable);
    ASSERT_EQ(screen->BorderStyle(), ui::bsNone);
    ASSERT_EQ(screen->BorderWidth(), 3);
    int w = screen->Width();
    int h = screen->Height();
    struct TCase {
        int X, Y;
        ui::LRESULT Answer;
    };
    const TCase cases[] = {
        {0, 0, ui::HTTOPLEFT},
        {6, 2, ui::HTTOPLEFT},
        {w - 1, 0, ui::HTTOPRIGHT},
        {0, h - 1, ui::HTBOTTOMLEFT},
        {w - 1, h - 1, ui::HTBOTTOMRIGHT},
        {w / 2, 1, ui::HTTOP},
        {0, 100, ui::HTLEFT},
        {6, 100, ui::HTLEFT},
        {7, 100, ui::HTCLIENT},
        {w / 2, h - 1, ui::HTBOTTOM},
        {w / 2, h - 7, ui::HTCLIENT},
        {w / 2, h - 6, ui::HTBOTTOM},
        {w - 1, 100, ui::HTRIGHT},
        {w - 6, 100, ui::HTRIGHT},
        {w - 7, 100, ui::HTCLIENT},
        {w / 2, 3, ui::HTCAPTION}, // the band wins inside
        {w / 2, 3 + 49, ui::HTCAPTION},
        {w / 2, 3 + 50, ui::HTCLIENT},
    };
    for (const TCase& c : cases) {
        ui::TPoint point{screen->Left() + c.X, screen->Top() + c.Y};
        EXPECT_EQ(ui::SendMessage(screen->Handle(), ui::WM_NCHITTEST, 0, ui::PointToLParam(point)),
                  c.Answer)
            << "at " << c.X << "," << c.Y;
    }
}

TEST_F(FormsTest, ABorderlessScreenHasNoSizingEdges) {
    auto screen = MakeScreen();
    screen->Show();
    EXPECT_FALSE(screen->fWin10Sizeable);
    ui::TPoint bottomLeft{screen->Left() + 1, screen->Top() + screen->Height() - 2};
    EXPECT_EQ(ui::SendMessage(screen->Handle(), ui::WM_NCHITTEST, 0, ui::PointToLParam(bottomLeft)),
              ui::HTCLIENT);
}

TEST_F(FormsTest, AConvertedFormPaintsItsBorder) {
    auto screen = MakeScreen(TScreenVariant::Sizeable);
    screen->Show();
    ui::TBitmap picture = ui::test::Picture(*screen);
    ui::TCanvas& c = picture.Canvas();
    ui::TColor color = screen->Color();
    int right = picture.Width() - 1;
    int bottom = picture.Height() - 1;
    EXPECT_EQ(c.Pixel(0, 0), DarkenColor(color, 4));
    EXPECT_EQ(c.Pixel(right, bottom / 2), DarkenColor(color, 4));
    EXPECT_EQ(c.Pixel(1, bottom / 2), LightenColor(color, 10));
    EXPECT_EQ(c.Pixel(right - 1, bottom - 1), LightenColor(color, 10));
    EXPECT_EQ(c.Pixel(2, bottom / 2), color);
    EXPECT_EQ(c.Pixel(right / 2, bottom - 2), color);
}

// Window menus by border: the titled dialog (dialog border, system menu) and a plain toolkit
// form get the Romanian texts with close greyed; a borderless screen has no window menu.
TEST_F(FormsTest, TheWindowMenuSpeaksRomanianAndCannotClose) {
    auto dialog = TOwnedForm<TMessageForm>(ui::CreateNewForm<TMessageForm>(nullptr));
    dialog->SetBorderStyle(ui::bsDialog);
    dialog->SetBorderIcons(ui::biSystemMenu);
    auto plain = TOwnedForm<TMForm>(ui::CreateNewForm<TMForm>(nullptr));
    struct TCase {
        ui::TCustomForm* Form;
        std::vector<std::pair<ui::UINT, const char*>> Texts;
    };
    const TCase cases[] = {
        {dialog.get(), {{ui::SC_MOVE, "&Muta"}, {ui::SC_CLOSE, "&Inchide    ALT+F4"}}},
        {plain.get(),
         {{ui::SC_RESTORE, "&Restaureaza"},
          {ui::SC_MOVE, "&Muta"},
          {ui::SC_SIZE, "&Dimensioneaza"},
          {ui::SC_MINIMIZE, "Mi&nimizeaza"},
          {ui::SC_MAXIMIZE, "Ma&ximizeaza"},
          {ui::SC_CLOSE, "&Inchide    ALT+F4"}}},
    };
    for (const TCase& c : cases) {
        ui::HMENU menu = ui::GetSystemMenu(c.Form->Handle(), false);
        ASSERT_NE(menu, 0u);
        for (auto [command, text] : c.Texts)
            EXPECT_EQ(ui::GetMenuString(menu, command, ui::MF_BYCOMMAND), text);
        EXPECT_TRUE(ui::GetMenuState(menu, ui::SC_CLOSE, ui::MF_BYCOMMAND) & ui::MF_GRAYED);
        EXPECT_FALSE(ui::GetMenuState(menu, ui::SC_MOVE, ui::MF_BYCOMMAND) & ui::MF_GRAYED);
    }
    auto screen = MakeScreen();
    EXPECT_EQ(ui::GetSystemMenu(screen->Handle(), false), 0u);
}

TEST_F(FormsTest, TheTitledDialogKeepsAThinBorderAndNoSystemCaption) {
    auto dialog = TOwnedForm<TMessageForm>(ui::CreateNewForm<TMessageForm>(nullptr));
    dialog->SetBorderStyle(ui::bsDialog);
    dialog->SetBounds(0, 0, 300, 200);
    dialog->Handle();
    EXPECT_FALSE(dialog->fWin10Sizeable);
    uint32_t style = uint32_t(ui::GetWindowLong(dialog->Handle(), ui::GWL_STYLE));
    EXPECT_FALSE(style & ui::WS_DLGFRAME);
    EXPECT_TRUE(style & ui::WS_BORDER);
    EXPECT_LT(dialog->Height() - dialog->ClientHeight(), ui::GetSystemMetrics(ui::SM_CYCAPTION));
}

} // namespace
} // namespace tk::test
