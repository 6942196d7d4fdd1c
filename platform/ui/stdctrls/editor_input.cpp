#include "platform/ui/stdctrls/editor_input.h"

#include "platform/ui/window/window_system.h"

namespace ui {

bool TEditorInput::Handle(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        editor_.SetFocused(m.Msg == WM_SETFOCUS);
        control_.Invalidate();
        return false;
    case WM_KEYDOWN:
        if (!editor_.KeyDown(uint16_t(m.WParam), KeyDataToShiftState(m.LParam)))
            return false;
        control_.Invalidate();
        return true;
    case WM_CHAR:
        if (!editor_.Char(uint8_t(m.WParam)))
            return false;
        control_.Invalidate();
        return true;
    default:
        return HandleMouse(m);
    }
}

bool TEditorInput::HandleMouse(TMessage& m) {
    TPoint p = PointFromLParam(m.LParam);
    p = {p.X - origin_.X, p.Y - origin_.Y};
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        mouseDown_ = true;
        if (control_.CanFocus() && !control_.Focused())
            control_.SetFocus();
        SetCapture(control_.WindowHandle());
        editor_.MousePress(p.X, p.Y, shift, m.Msg == WM_LBUTTONDBLCLK);
        break;
    case WM_MOUSEMOVE:
        if (!mouseDown_)
            return false;
        editor_.MouseMove(p.X, p.Y, shift);
        break;
    case WM_LBUTTONUP:
        if (!mouseDown_)
            return false;
        mouseDown_ = false;
        ReleaseCapture();
        editor_.MouseRelease(p.X, p.Y, shift);
        break;
    default:
        return false;
    }
    control_.Invalidate();
    return true;
}

} // namespace ui
