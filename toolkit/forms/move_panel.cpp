#include "toolkit/forms/move_panel.h"

#include "platform/ui/forms/form.h"
#include "platform/ui/window/window_system.h"

namespace tk {

namespace {

// The outermost form the panel is on (a form inside a form moves its host).
ui::TControl* TopmostParentForm(ui::TControl* control) {
    ui::TControl* found = nullptr;
    for (ui::TControl* c = control; c; c = c->Parent())
        if (dynamic_cast<ui::TCustomForm*>(c))
            found = c;
    return found;
}

} // namespace

TMovePanel::TMovePanel(ui::TComponent* owner) : ui::TPanel(owner) {
    SetDoubleBuffered(true);
}

void TMovePanel::WndProc(ui::TMessage& message) {
    // The cursor request that comes before a press names the window under the mouse: only a
    // press on the panel's own surface starts a drag, not one on a child control.
    if (message.Msg == ui::WM_SETCURSOR && HandleAllocated() &&
        ui::HWND(message.WParam) == WindowHandle() &&
        ui::HiWord(uintptr_t(message.LParam)) == ui::WM_LBUTTONDOWN) {
        ui::TPoint cursor;
        ui::GetCursorPos(cursor);
        Orig = ScreenToClient(cursor);
        Down = true;
        SetMouseCapture(true);
    }
    ui::TPanel::WndProc(message);
}

void TMovePanel::MouseMove(ui::TShiftState, int x, int y) {
    if (!Down)
        return;
    ui::TControl* form = TopmostParentForm(this);
    if (!form)
        return;
    form->SetBounds(x + form->Left() - Orig.X, y + form->Top() - Orig.Y, form->Width(),
                    form->Height());
}

void TMovePanel::MouseUp(ui::TMouseButton, ui::TShiftState, int, int) {
    SetMouseCapture(false);
    Down = false;
}

void TMovePanel::DblClick() {
    Down = false;
    if (OnDblClick)
        OnDblClick(this);
}

} // namespace tk
