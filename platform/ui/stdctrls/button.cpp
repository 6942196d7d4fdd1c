#include "platform/ui/stdctrls/button.h"

#include "platform/ui/core/accelerators.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::CreateWnd() {
    TWinControl::CreateWnd();
    if (ButtonType() == BS_OWNERDRAW && Parent() && Parent()->HandleAllocated()) {
        TMeasureItemStruct measure;
        measure.CtlType = ODT_BUTTON;
        measure.CtlID = UINT(WindowHandle());
        SendMessage(Parent()->WindowHandle(), WM_MEASUREITEM, WindowHandle(), LPARAM(&measure));
    }
}

void TButtonControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A click first takes the focus; a handler that refuses it cancels the click.
        if (!Focused()) {
            clicksDisabled_ = true;
            ::ui::SetFocus(Handle());
            clicksDisabled_ = false;
            if (!Focused())
                return;
        }
        break;
    case CN_COMMAND:
        if (clicksDisabled_)
            return;
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    controlStyle_ = csSetCaption | csDoubleClicks;
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

void TButton::SetDefault(bool value) {
    default_ = value;
    if (HandleAllocated())
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_FOCUSCHANGED, 0, LPARAM(form->ActiveControl()));
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWnd() {
    TButtonControl::CreateWnd();
    active_ = default_;
}

uint32_t TButtonControl::ButtonType() {
    if (HandleAllocated())
        return uint32_t(GetWindowLong(WindowHandle(), GWL_STYLE)) & BS_TYPEMASK;
    TCreateParams params;
    CreateParams(params);
    return params.Style & BS_TYPEMASK;
}

void TButton::SetButtonStyle(bool isDefault) {
    if (!HandleAllocated())
        return;
    uint32_t style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((uint32_t(GetWindowLong(WindowHandle(), GWL_STYLE)) & BS_TYPEMASK) != style)
        SendMessage(WindowHandle(), BM_SETSTYLE, style, 1);
}

void TButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGKEY:
        if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) &&
            (KeyDataToShiftState(m.LParam) & (ssShift | ssAlt | ssCtrl)) == 0 && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(m.WParam, Caption()) && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED: {
        auto* sender = reinterpret_cast<TWinControl*>(m.LParam);
        active_ = dynamic_cast<TButton*>(sender) ? sender == this : default_;
        SetButtonStyle(active_);
        break;
    }
    case CN_COMMAND:
        if (HiWord(m.WParam) == BN_CLICKED)
            Click();
        return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        TButtonControl::Dispatch(m);
        Invalidate();
        return;
    default:
        break;
    }
    TButtonControl::Dispatch(m);
}

void TButtonControl::SetPushed(bool value) {
    if (pushed_ == value)
        return;
    pushed_ = value;
    Invalidate();
}

void TButtonControl::NotifyParent(uint16_t code) {
    if (!Parent() || !Parent()->HandleAllocated())
        return;
    HWND self = WindowHandle();
    SendMessage(Parent()->WindowHandle(), WM_COMMAND,
                MakeWParam(int(GetWindowLong(self, GWL_ID) & 0xFFFF), code), LPARAM(self));
}

// The button window class: pushing and releasing with the mouse and the space bar, the click
// notification to the parent, the default look and the owner-draw request.
void TButtonControl::CallDefaultWindowProc(TMessage& m) {
    HWND self = WindowHandle();
    switch (m.Msg) {
    case WM_GETDLGCODE: {
        uint32_t type = ButtonType();
        m.Result = DLGC_BUTTON;
        if (type == BS_DEFPUSHBUTTON)
            m.Result |= DLGC_DEFPUSHBUTTON;
        else if (type == BS_PUSHBUTTON || type == BS_OWNERDRAW)
            m.Result |= DLGC_UNDEFPUSHBUTTON;
        else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
            m.Result |= DLGC_RADIOBUTTON;
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        doubleClicked_ = m.Msg == WM_LBUTTONDBLCLK;
        tracking_ = true;
        SetCapture(self);
        SetPushed(true);
        return;
    case WM_MOUSEMOVE:
        if (tracking_)
            SetPushed(ClientRect().Contains(PointFromLParam(m.LParam)));
        return;
    case WM_LBUTTONUP:
        if (tracking_) {
            tracking_ = false;
            bool inside = pushed_;
            SetPushed(false);
            if (GetCapture() == self)
                ReleaseCapture();
            if (inside)
                NotifyParent(doubleClicked_ && ButtonType() == BS_OWNERDRAW ? BN_DOUBLECLICKED
                                                                            : BN_CLICKED);
            doubleClicked_ = false;
        }
        return;
    case WM_CAPTURECHANGED:
        if (tracking_ && HWND(m.LParam) != self) {
            tracking_ = false;
            SetPushed(false);
        }
        return;
    case WM_KEYDOWN:
        if (m.WParam == VK_SPACE) {
            spaceDown_ = true;
            SetPushed(true);
            return;
        }
        break;
    case WM_KEYUP:
        if (m.WParam == VK_SPACE && spaceDown_) {
            spaceDown_ = false;
            SetPushed(false);
            NotifyParent(BN_CLICKED);
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS) {
            spaceDown_ = false;
            if (!tracking_)
                SetPushed(false);
        }
        Invalidate();
        return;
    case WM_ENABLE:
        Invalidate();
        return;
    case BM_SETSTYLE: {
        uint32_t style = uint32_t(GetWindowLong(self, GWL_STYLE));
        if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
            style = (style & ~uint32_t(BS_TYPEMASK)) | (uint32_t(m.WParam) & BS_TYPEMASK);
            SetWindowLong(self, GWL_STYLE, int32_t(style));
        }
        if (m.LParam)
            Invalidate();
        return;
    }
    case BM_SETSTATE:
        SetPushed(m.WParam != 0);
        return;
    case BM_GETSTATE:
        m.Result = (pushed_ ? BST_PUSHED : 0) | (Focused() ? BST_FOCUS : 0);
        return;
    case BM_CLICK:
        NotifyParent(BN_CLICKED);
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_PAINT: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        TPaintStruct paint;
        if (!dc)
            dc = BeginPaint(self, paint);
        if (dc)
            PaintButton(dc);
        if (!m.WParam)
            EndPaint(self, paint);
        return;
    }
    case WM_SETTEXT:
        TWinControl::CallDefaultWindowProc(m);
        Invalidate();
        return;
    default:
        break;
    }
    TWinControl::CallDefaultWindowProc(m);
}

void TButtonControl::PaintButton(HDC dc) {
    if (ButtonType() == BS_OWNERDRAW) {
        TDrawItemStruct item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = UINT(GetWindowLong(WindowHandle(), GWL_ID));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (pushed_ ? ODS_SELECTED : 0) | (Focused() ? ODS_FOCUS : 0) |
                         (IsWindowEnabled(WindowHandle()) ? 0 : ODS_DISABLED);
        item.hwndItem = WindowHandle();
        item.hDC = dc;
        item.rcItem = ClientRect();
        if (Parent() && Parent()->HandleAllocated())
            SendMessage(Parent()->WindowHandle(), WM_DRAWITEM, item.CtlID, LPARAM(&item));
        return;
    }
    PaintFace(*dc);
}

void TButton::PaintFace(TCanvas& canvas) {
    TRect r = ClientRect();
    bool isDefault = ButtonType() == BS_DEFPUSHBUTTON;
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetStyle(bsSolid);
    if (isDefault) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(r);
        r = InflateRect(r, -1, -1);
    }
    if (Pushed()) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(r);
        r = InflateRect(r, -1, -1);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
    } else {
        DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    TRect text = r;
    if (Pushed())
        text = OffsetRect(text, 1, 1);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (IsWindowEnabled(WindowHandle())) {
        DrawText(canvas, Caption(), text, flags);
    } else {
        TRect shadow = OffsetRect(text, 1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawText(canvas, Caption(), shadow, flags);
        canvas.Font().SetColor(clBtnShadow);
        DrawText(canvas, Caption(), text, flags);
    }
    if (Focused()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.DrawFocusRect(InflateRect(r, -2, -2));
    }
}

} // namespace ui
