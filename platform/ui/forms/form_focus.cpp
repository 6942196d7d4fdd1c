// A form's focus: its active control, the focused control with the enter and exit
// notifications along the way, activation, and the dialog keys Tab and the arrows.
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

int g_focusCount = 0;

// Sends a focus notification; false when the handler moved the focus elsewhere meanwhile.
bool SendFocusMessage(HWND window, UINT msg) {
    int count = g_focusCount;
    SendMessage(window, msg, 0, 0);
    return g_focusCount == count;
}

} // namespace

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (activeControl_ == control)
        return;
    if (control && (control == this || GetParentForm(control) != this ||
                    (!InState(csLoading) && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (!InState(csLoading) && active_)
        SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
    bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive)
        SetFocus();
}

void TCustomForm::SetFocus() {
    if (active_)
        return;
    if (!(Visible() && Enabled()))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
    HWND focus = activeControl_ ? activeControl_->Handle() : Handle();
    if (!focus)
        return;
    ::ui::SetFocus(focus);
    if (activeControl_ && Screen()->ActiveControl() == activeControl_)
        activeControl_->Update();
}

void TCustomForm::SetActive(bool value) {
    active_ = value;
    if (!value)
        return;
    if (!activeControl_)
        SetActiveControl(FindNextControl(nullptr, true, true, false));
    SetWindowFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    ++g_focusCount;
    activeControl_ = control != this ? control : nullptr;
    Screen()->SetActive(this, control);
    if (control->HasControlState(csFocusing))
        return false;
    control->SetControlState(control->ControlState() | csFocusing);
    auto done = [control] {
        control->SetControlState(control->ControlState() & ~TControlState(csFocusing));
    };
    if (Screen()->FocusedForm() != this) {
        if (TCustomForm* previous = Screen()->FocusedForm()) {
            HWND handle = previous->Handle();
            Screen()->SetFocusedForm(nullptr);
            if (!SendFocusMessage(handle, CM_DEACTIVATE)) {
                done();
                return false;
            }
        }
        Screen()->SetFocusedForm(this);
        if (!SendFocusMessage(Handle(), CM_ACTIVATE)) {
            done();
            return false;
        }
    }
    if (!focusedControl_)
        focusedControl_ = this;
    if (focusedControl_ != control) {
        while (focusedControl_ && !focusedControl_->ContainsControl(control)) {
            HWND handle = focusedControl_->Handle();
            focusedControl_ = focusedControl_->Parent();
            if (!SendFocusMessage(handle, CM_EXIT)) {
                done();
                return false;
            }
        }
        while (focusedControl_ != control) {
            TWinControl* next = control;
            while (next->Parent() != focusedControl_)
                next = next->Parent();
            focusedControl_ = next;
            if (!SendFocusMessage(next->Handle(), CM_ENTER)) {
                done();
                return false;
            }
        }
        Perform(CM_FOCUSCHANGED, 0, LPARAM(control));
    }
    done();
    return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (removing && control->ContainsControl(focusedControl_))
        focusedControl_ = control->Parent();
    if (control->ContainsControl(activeControl_))
        SetActiveControl(nullptr);
}

void TCustomForm::HandleDialogKey(TMessage& m) {
    if (GetKeyState(VK_MENU) >= 0) {
        switch (m.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
                m.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent())
                activeControl_->Parent()->SelectNext(
                    activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
            m.Result = 1;
            return;
        default:
            break;
        }
    }
    TWinControl::Dispatch(m);
}

} // namespace ui
