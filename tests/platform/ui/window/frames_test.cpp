// Window frames and placement: the non-client area of a borderless form with a border width,
// painted by the form itself; hit-test answers that move and size the window (within its
// tracking sizes); the set-cursor notification with the mouse message that caused it; the
// position-changing veto; a maximised form's size notification.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/snapshot.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

// A borderless form that drags by its top band, sizes by its right edge, paints a frame on its
// border and records the notifications it gets.
class TFrameForm : public TForm {
public:
    explicit TFrameForm(TComponent* owner) : TForm(owner) {
        SetName("FrameForm");
        SetBorderStyle(bsNone);
        SetBorderWidth(5);
        SetColor(clRed);
        SetBounds(100, 100, 300, 200);
    }
    std::vector<std::pair<LRESULT, UINT>> CursorRequests;
    std::vector<HWND> CursorWindows;
    std::vector<WPARAM> SizeTypes;
    void Dispatch(TMessage& m) override {
        switch (m.Msg) {
        case WM_NCHITTEST: {
            TForm::Dispatch(m);
            TPoint p = ScreenToClient(PointFromLParam(m.LParam));
            if (m.Result == HTCLIENT && p.Y < 20)
                m.Result = HTCAPTION;
            else if (m.Result == HTCLIENT && p.X >= ClientWidth() - 6)
                m.Result = HTRIGHT;
            return;
        }
        case WM_NCPAINT: {
            TForm::Dispatch(m);
            HDC dc = GetWindowDC(WindowHandle());
            dc->Brush().SetColor(clBlue);
            dc->FrameRect({0, 0, Width(), Height()});
            ReleaseDC(WindowHandle(), dc);
            return;
        }
        case WM_GETMINMAXINFO:
            TForm::Dispatch(m);
            reinterpret_cast<TMinMaxInfo*>(m.LParam)->ptMinTrackSize = {150, 100};
            return;
        case WM_SETCURSOR:
            CursorRequests.emplace_back(LRESULT(int16_t(LoWord(uintptr_t(m.LParam)))),
                                        HiWord(uintptr_t(m.LParam)));
            CursorWindows.push_back(HWND(m.WParam));
            break;
        case WM_SIZE:
            SizeTypes.push_back(m.WParam);
            break;
        default:
            break;
        }
        TForm::Dispatch(m);
    }
};

TEST(Frames, ABorderlessFormWithABorderWidthPaintsItsOwnFrame) {
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    form->Show();
    EXPECT_EQ(form->ClientWidth(), 290);
    EXPECT_EQ(form->ClientHeight(), 190);
    EXPECT_EQ(form->ClientOrigin().X, 105);
    TBitmap picture = test::Picture(*form);
    ASSERT_EQ(picture.Width(), 300);
    EXPECT_EQ(picture.Canvas().Pixel(0, 0), clBlue); // the form's own frame
    EXPECT_EQ(picture.Canvas().Pixel(299, 150), clBlue);
    EXPECT_EQ(picture.Canvas().Pixel(2, 2), clRed);     // the border in the form colour
    EXPECT_EQ(picture.Canvas().Pixel(150, 100), clRed); // the erased client area
}

TEST(Frames, CaptionAndBorderAnswersMoveAndSizeTheWindow) {
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    TScriptedUser user;
    user.Expect("FrameForm", [&](TScriptActor& u) {
        u.Press("FrameForm", 10, 10);
        u.MoveTo("FrameForm", 40, 30);
        u.Release("FrameForm", 10, 10);
        EXPECT_EQ(u.Form().Left(), 130);
        EXPECT_EQ(u.Form().Top(), 120);

        int edge = u.Form().ClientWidth() - 2;
        u.Press("FrameForm", edge, 100);
        u.MoveTo("FrameForm", edge + 40, 100);
        EXPECT_EQ(u.Form().Width(), 340);
        u.MoveTo("FrameForm", edge - 1000, 100); // held at the minimum tracking width
        EXPECT_EQ(u.Form().Width(), 150);
        EXPECT_EQ(u.Form().Left(), 130);
        u.Release("FrameForm", 10, 100);
        u.Form().SetModalResult(mrOk);
    });
    form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
}

TEST(Frames, SetCursorCarriesTheMouseMessageUpToTheForm) {
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    auto* button = new TButton(form.get());
    button->SetName("Button");
    button->SetBounds(50, 50, 80, 25);
    button->SetParent(form.get());
    TScriptedUser user;
    user.Expect("FrameForm", [&](TScriptActor& u) {
        form->CursorRequests.clear();
        form->CursorWindows.clear();
        u.Click("Button", mbRight);
        u.Form().SetModalResult(mrOk);
    });
    form->ShowModal();
    ASSERT_FALSE(form->CursorRequests.empty());
    EXPECT_EQ(form->CursorRequests.front(), (std::pair<LRESULT, UINT>{HTCLIENT, WM_RBUTTONDOWN}));
    EXPECT_EQ(form->CursorWindows.front(), button->Handle()); // the window under the mouse
}

TEST(Frames, APositionChangeCanBeRefusedWhileItIsAnnounced) {
    class TStubborn : public TButton {
    public:
        using TButton::TButton;
        void Dispatch(TMessage& m) override {
            if (m.Msg == WM_WINDOWPOSCHANGING && m.LParam)
                reinterpret_cast<TWindowPos*>(m.LParam)->flags |= SWP_NOSIZE;
            TButton::Dispatch(m);
        }
    };
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    auto* stubborn = new TStubborn(form.get());
    stubborn->SetBounds(10, 10, 80, 25);
    stubborn->SetParent(form.get());
    form->Show();
    stubborn->SetBounds(20, 30, 200, 100);
    EXPECT_EQ(stubborn->Left(), 20);
    EXPECT_EQ(stubborn->Top(), 30);
    EXPECT_EQ(stubborn->Width(), 80);
    EXPECT_EQ(stubborn->Height(), 25);
}

TEST(Frames, AMaximisedFormCoversTheScreenAndIsToldSo) {
    test::TScreenSize screen(1280, 1024);
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    int resized = 0;
    form->OnResize = [&](TObject*) { ++resized; };
    form->SetWindowState(wsMaximized);
    form->Show();
    EXPECT_EQ(form->Left(), 0);
    EXPECT_EQ(form->Top(), 0);
    EXPECT_EQ(form->Width(), 1280);
    EXPECT_EQ(form->Height(), 1024);
    EXPECT_EQ(form->ClientHeight(), 1014); // inside the border of 5 on each side
    ASSERT_FALSE(form->SizeTypes.empty());
    EXPECT_EQ(form->SizeTypes.back(), SIZE_MAXIMIZED);
    EXPECT_GT(resized, 0);
    form->SetWindowState(wsNormal);
    EXPECT_EQ(form->Width(), 300);
    EXPECT_EQ(form->SizeTypes.back(), SIZE_RESTORED);
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

TEST(Frames, AnAbsurdStoredSizeIsHeldToWhatAWindowCanBe) {
    const char* text = "object Huge: TForm\n"
                       "  BorderStyle = bsNone\n"
                       "  Left = -2000000000\n"
                       "  Width = 2000000000\n"
                       "  Height = 1000000000\n"
                       "end\n";
    test::TOwned<TForm> form(CreateFormFromText<TForm>(nullptr, text, "huge.dfm"));
    form->Handle();
    EXPECT_EQ(form->Width(), 32767);
    EXPECT_EQ(form->Height(), 32767);
    EXPECT_EQ(form->Left(), -32767);
}

// Qt sizes a window that was never placed to hold all its children; a form placed exactly
// where a new window stands (0, 0, 640 x 480) must keep its own size all the same.
TEST(Frames, AFormKeepsItsSizeWhateverItsChildrenReach) {
    test::TOwned<TForm> form(CreateNewForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 640, 480);
    auto* far = new TButton(form.get());
    far->SetBounds(3000, 20000, 80, 25);
    far->SetParent(form.get());
    form->Show();
    Application()->ProcessMessages();
    TBitmap shown;
    SnapshotWindow(form->Handle(), shown);
    EXPECT_EQ(shown.Width(), 640);
    EXPECT_EQ(shown.Height(), 480);
    EXPECT_EQ(form->Width(), 640);
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

// A dialog-bordered form that, like the titled forms, drops the dialog frame while its window
// is being made: it keeps a thin border and loses the system caption.
class TNoCaptionForm : public TForm {
public:
    using TForm::TForm;
    void Dispatch(TMessage& m) override {
        if (m.Msg == WM_NCCREATE) {
            TForm::Dispatch(m);
            uint32_t style = uint32_t(GetWindowLong(WindowHandle(), GWL_STYLE));
            SetWindowLong(WindowHandle(), GWL_STYLE, int32_t(style & ~uint32_t(WS_DLGFRAME)));
            return;
        }
        TForm::Dispatch(m);
    }
};

TEST(Frames, StylesChangedWhileTheWindowIsMadeDecideItsFrame) {
    auto plain = test::NewForm<TForm>();
    plain->SetBorderStyle(bsDialog);
    plain->SetBounds(0, 0, 200, 100);
    plain->Handle();
    auto changed = test::NewForm<TNoCaptionForm>();
    changed->SetBorderStyle(bsDialog);
    changed->SetBounds(0, 0, 200, 100);
    changed->Handle();
    EXPECT_EQ(plain->Height() - plain->ClientHeight(), 3 + GetSystemMetrics(SM_CYCAPTION) + 3);
    EXPECT_EQ(changed->Height() - changed->ClientHeight(), 6);
    EXPECT_EQ(changed->Width() - changed->ClientWidth(), 6);
}

class TRecordingMenu : public TPopupMenuBase {
public:
    using TPopupMenuBase::TPopupMenuBase;
    std::vector<TPoint> Shown;
    void Popup(int x, int y) override { Shown.push_back({x, y}); }
};

TEST(Frames, ARightClickPopsUpTheControlsMenuWhereTheMouseIs) {
    test::TOwned<TFrameForm> form(CreateNewForm<TFrameForm>(nullptr));
    auto* menu = new TRecordingMenu(form.get());
    auto* button = new TButton(form.get());
    button->SetName("Button");
    button->SetBounds(50, 50, 80, 25);
    button->SetParent(form.get());
    button->SetPopupMenu(menu);
    TScriptedUser user;
    user.Expect("FrameForm", [&](TScriptActor& u) {
        u.ClickAt("Button", 10, 5, mbRight);
        menu->SetAutoPopup(false);
        u.ClickAt("Button", 10, 5, mbRight); // no automatic popup now
        u.Form().SetModalResult(mrOk);
    });
    form->ShowModal();
    ASSERT_EQ(menu->Shown.size(), 1u);
    EXPECT_EQ(menu->Shown[0], button->ClientToScreen({10, 5}));
    EXPECT_EQ(menu->PopupComponent(), button);
    Free(menu);
    EXPECT_EQ(button->PopupMenu(), nullptr);
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

TEST(Frames, TheScreenReportsItsSizeDepthAndDensity) {
    {
        test::TScreenSize screen(1024, 768);
        EXPECT_EQ(Screen()->Width(), 1024);
        EXPECT_EQ(Screen()->Height(), 768);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        EXPECT_EQ(Screen()->WorkAreaRect(), (TRect{0, 0, 1024, 768}));
    }
    EXPECT_EQ(Screen()->PixelsPerInch(), 96);
    EXPECT_GT(Screen()->ColorDepth(), 8);
}

} // namespace
} // namespace ui::testing
