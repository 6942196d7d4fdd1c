#include "platform/ui/forms/application.h"

#include <QApplication>
#include <QEventLoop>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/hint_window.h"
#include "platform/ui/forms/message_box.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

// How many Qt event deliveries are running: none means no window's event is on the stack.
int g_deliveries = 0;

class TQtApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        ++g_deliveries;
        struct TDone {
            ~TDone() { --g_deliveries; }
        } done;
        return QApplication::notify(receiver, event);
    }
};

// A destroyed window's widget is deleted later, when Qt's loop comes back to where it was
// destroyed; a window destroyed outside any event (between screens, say) would wait for a loop
// that never comes. With no event on the stack none of them is in use, so they go now.
void DeleteDestroyedWidgets() {
    if (g_deliveries == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The control under a screen point: the window there, then its windowless child under the point.
TControl* FindDragTarget(TPoint screenPoint) {
    TWinControl* window = FindControl(WindowFromPoint(screenPoint));
    if (!window)
        return nullptr;
    if (TControl* child = window->ControlAtPos(window->ScreenToClient(screenPoint), true))
        return child;
    return window;
}

// The component library's part of the message loop: key messages first go to the control as
// CN_ notifications (dialog keys, accelerators), and only what they leave is dispatched.
bool IsKeyMessage(TMsg& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND target = GetCapture();
    if (!target) {
        target = msg.hwnd;
        while (target && !FindControl(target))
            target = GetParent(target);
        if (!target)
            target = msg.hwnd;
    }
    return SendMessage(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

// A key or a button pressed ends the hint.
bool IsHintMessage(const TMsg& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

void ProcessOneMessage(TMsg& msg) {
    if (IsHintMessage(msg))
        Application()->CancelHint();
    if (IsKeyMessage(msg))
        return;
    wm::TranslateMessage(msg);
    wm::DispatchMessage(msg);
}

void InstallHooks() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    wm::SetMessageProcessor(ProcessOneMessage);
    wm::SetExceptionHandler([](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (...) {
            Application()->HandleException(nullptr);
        }
    });
    wm::SetMouseHook(
        [](HWND, TPoint screen, bool left) { Application()->TrackMouse(screen, left); });
}

} // namespace

TApplication::TApplication() : TComponent(nullptr) {
    InstallHooks();
}

TApplication* Application() {
    static TApplication* app = new TApplication;
    return app;
}

void TApplication::Initialize(int& argc, char** argv) {
    if (!QCoreApplication::instance()) {
        qunsetenv("QT_FONT_DPI");
        qunsetenv("QT_SCALE_FACTOR");
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        new TQtApplication(argc, argv);
        InstallFontSubstitutes();
    }
    Application();
}

void TApplication::SetMainForm(TCustomForm* form) {
    mainForm_ = form;
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    DeleteDestroyedWidgets();
}

void TApplication::HandleMessage() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    DeleteDestroyedWidgets();
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Minimize() {
    if (minimized_)
        return;
    minimized_ = true;
    EnumTopLevelWindows([](HWND window) {
        if (IsWindowVisible(window) && !IsIconic(window))
            ShowWindow(window, SW_MINIMIZE);
    });
    Fire(OnMinimize, this);
}

void TApplication::Restore() {
    if (!minimized_)
        return;
    minimized_ = false;
    EnumTopLevelWindows([](HWND window) {
        if (IsIconic(window))
            ShowWindow(window, SW_RESTORE);
    });
    Fire(OnRestore, this);
}

void TApplication::BringToFront() {
    if (HWND active = GetActiveWindow())
        SetActiveWindow(active);
    else
        wm::ActivateNextWindow(0);
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        Exception unknown("An unknown error occurred");
        if (OnException)
            OnException(sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& error) {
    std::string text = error.what();
    if (!text.empty() && text.back() > '.')
        text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == mainForm_)
        mainForm_ = nullptr;
    if (component == mouseControl_)
        mouseControl_ = nullptr;
    if (component == hintControl_) {
        hintControl_ = nullptr;
        CancelHint();
    }
    if (component == hintWindow_)
        hintWindow_ = nullptr;
}

void TApplication::StartHint(TControl* control) {
    CancelHint();
    // The hint belongs to the first control up the parents that shows hints.
    while (control && !control->ShowHint())
        control = control->Parent();
    if (!showHint_ || !control || control->Hint().empty())
        return;
    hintControl_ = control;
    control->FreeNotification(this);
    hintTimer_ = SetTimer(0, 0, UINT(hintPause_), [this](HWND, UINT, uintptr_t, uint32_t) {
        KillTimer(0, hintTimer_);
        hintTimer_ = 0;
        ShowHintNow();
    });
}

void TApplication::ShowHintNow() {
    if (!hintControl_)
        return;
    std::string text = hintControl_->Hint();
    auto bar = text.find('|');
    if (bar != std::string::npos)
        text = text.substr(0, bar);
    if (text.empty())
        return;
    if (!hintWindow_) {
        hintWindow_ = new THintWindow(this);
        hintWindow_->SetName("HintWindow");
    }
    TPoint cursor;
    GetCursorPos(cursor);
    TRect r = hintWindow_->CalcHintRect(Screen()->Width() / 2, text);
    r = OffsetRect(r, cursor.X, cursor.Y + 20);
    hintWindow_->ActivateHint(r, text);
    hintTimer_ = SetTimer(0, 0, UINT(hintHidePause_),
                          [this](HWND, UINT, uintptr_t, uint32_t) { CancelHint(); });
}

void TApplication::CancelHint() {
    if (hintTimer_) {
        KillTimer(0, hintTimer_);
        hintTimer_ = 0;
    }
    if (hintWindow_)
        hintWindow_->ReleaseHint();
    hintControl_ = nullptr;
}

void TApplication::TrackMouse(TPoint screenPoint, bool leftWindow) {
    TControl* capture = GetCaptureControl();
    TControl* control = leftWindow ? nullptr : FindDragTarget(screenPoint);
    if (control == mouseControl_)
        return;
    // Free notifications are kept (the hint may watch the same control); a stale one only
    // clears a reference that is no longer used.
    TControl* previous = mouseControl_;
    mouseControl_ = control;
    if (control)
        control->FreeNotification(this);
    if (control != hintControl_)
        StartHint(control);
    if (previous && (!capture || previous == capture))
        previous->Perform(CM_MOUSELEAVE, 0, 0);
    if (mouseControl_ && mouseControl_ == control && (!capture || control == capture))
        control->Perform(CM_MOUSEENTER, 0, 0);
}

} // namespace ui
