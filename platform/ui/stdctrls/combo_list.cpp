#include "platform/ui/stdctrls/combo_list.h"

#include <algorithm>

#include "platform/ui/forms/screen.h"
#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TComboList::TComboList(TComponent* owner, TCustomComboBox& combo)
    : TCustomListBox(owner), combo_(combo) {
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
}

void TComboList::CreateParams(TCreateParams& params) {
    TCustomListBox::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = 0;
}

void TComboList::Open() {
    SetFont(combo_.Font());
    SetColor(combo_.Color());
    Items().Assign(combo_.Items());
    HDC dc = GetDC(0);
    dc->SetFont(Font());
    SetItemHeight(dc->TextHeight("Wg") + 2);
    ReleaseDC(0, dc);
    int rows = std::clamp(Items().Count(), 1, combo_.DropDownCount());
    int height = rows * ItemHeight() + 2;
    TRect frame;
    GetWindowRect(combo_.Handle(), frame);
    int top = frame.Bottom;
    // A list that would leave the screen opens above the combo instead.
    if (top + height > Screen()->Height() && frame.Top - height >= 0)
        top = frame.Top - height;
    HWND handle = Handle();
    SetWindowPos(handle, HWND_TOP, frame.Left, top, frame.Width(), height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    open_ = true;
    SetItemIndex(combo_.ItemIndex());
    MakeVisible(ItemIndex());
    Invalidate();
}

void TComboList::Close() {
    if (!open_)
        return;
    open_ = false;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), 0, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void TComboList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button;
    (void)shift;
    int index = ItemAtPos({x, y});
    if (index >= 0)
        SetItemIndex(index);
}

void TComboList::MouseMove(TShiftState shift, int x, int y) {
    (void)shift;
    int index = ItemAtPos({x, y});
    if (index >= 0)
        SetItemIndex(index);
}

void TComboList::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)shift;
    if (button != mbLeft)
        return;
    int index = ItemAtPos({x, y});
    if (index >= 0)
        combo_.SelectByUser(index);
    combo_.SetDroppedDown(false);
}

void TComboList::Dispatch(TMessage& m) {
    if (m.Msg == WM_MOUSEACTIVATE) {
        m.Result = 3; // MA_NOACTIVATE: the combo keeps the focus
        return;
    }
    TCustomListBox::Dispatch(m);
}

} // namespace ui
