#include "platform/ui/forms/application.h"

#include <QApplication>
#include <QEventLoop>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/message_box.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

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

void ProcessOneMessage(TMsg& msg) {
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
        new QApplication(argc, argv);
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
}

void TApplication::HandleMessage() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
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
}

void TApplication::TrackMouse(TPoint screenPoint, bool leftWindow) {
    TControl* capture = GetCaptureControl();
    TControl* control = leftWindow ? nullptr : FindDragTarget(screenPoint);
    if (control == mouseControl_)
        return;
    TControl* previous = mouseControl_;
    if (previous)
        previous->RemoveFreeNotification(this);
    mouseControl_ = control;
    if (control)
        control->FreeNotification(this);
    if (previous && (!capture || previous == capture))
        previous->Perform(CM_MOUSELEAVE, 0, 0);
    if (mouseControl_ && mouseControl_ == control && (!capture || control == capture))
        control->Perform(CM_MOUSEENTER, 0, 0);
}

} // namespace ui
