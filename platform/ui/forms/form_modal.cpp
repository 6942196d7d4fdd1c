// The modal loop: the other top-level windows are disabled (and told so) while the form is up,
// messages are handled until ModalResult is set, and afterwards the windows are enabled again
// and the window that was active gets the activation back.
#include <vector>

#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

std::vector<HWND> DisableTaskWindows(HWND except) {
    std::vector<HWND> disabled;
    EnumTopLevelWindows([&](HWND window) {
        if (window != except && IsWindowVisible(window) && IsWindowEnabled(window))
            disabled.push_back(window);
    });
    for (HWND window : disabled)
        EnableWindow(window, false);
    return disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (IsWindow(window))
            EnableWindow(window, true);
}

} // namespace

void TCustomForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            modalResult_ = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        modalResult_ = mrNone;
        Application()->HandleException(this);
    }
}

int TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || (formState_ & fsModal) || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = GetCapture())
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    formState_ |= fsModal;
    HWND activeWindow = GetActiveWindow();
    TScreen* screen = Screen();
    screen->SavedFocusedForms().insert(screen->SavedFocusedForms().begin(), screen->FocusedForm());
    screen->SetFocusedForm(this);
    TCursor savedCursor = screen->Cursor();
    screen->SetCursor(crDefault);
    std::vector<HWND> disabled = DisableTaskWindows(0);
    TApplication* app = Application();
    app->EnterModal();

    auto restore = [&] {
        app->LeaveModal();
        screen->SetCursor(savedCursor);
        EnableTaskWindows(disabled);
        auto& saved = screen->SavedFocusedForms();
        if (!saved.empty()) {
            screen->SetFocusedForm(saved.front());
            saved.erase(saved.begin());
        } else {
            screen->SetFocusedForm(nullptr);
        }
        // Nothing else gives the activation back when no window manager does.
        if (activeWindow && IsWindow(activeWindow) && IsWindowVisible(activeWindow))
            SetActiveWindow(activeWindow);
        else if (!GetActiveWindow())
            wm::ActivateNextWindow(0);
        formState_ &= ~TFormState(fsModal);
    };

    int result = mrNone;
    try {
        Show();
        try {
            SendMessage(Handle(), CM_ACTIVATE, 0, 0);
            modalResult_ = mrNone;
            if (app->OnModalBegin)
                app->OnModalBegin(*this);
            while (true) {
                if (app->Terminated())
                    modalResult_ = mrCancel;
                else if (modalResult_ != mrNone)
                    CloseModal();
                if (modalResult_ != mrNone)
                    break;
                app->HandleMessage();
            }
            result = modalResult_;
            SendMessage(Handle(), CM_DEACTIVATE, 0, 0);
            if (GetActiveWindow() != WindowHandle())
                activeWindow = 0;
        } catch (...) {
            Hide();
            throw;
        }
        Hide();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return result;
}

} // namespace ui
