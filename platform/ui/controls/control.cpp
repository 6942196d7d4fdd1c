#include "platform/ui/controls/control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

TControl* g_captureControl = nullptr;

} // namespace

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (keyData & KF_ALTDOWN_LPARAM)
        s |= ssAlt;
    return s;
}

TControl* GetCaptureControl() {
    TControl* control = FindControl(GetCapture());
    if (control && g_captureControl && g_captureControl->Parent() == control)
        return g_captureControl;
    return control;
}

void SetCaptureControl(TControl* control) {
    ReleaseCapture();
    g_captureControl = nullptr;
    if (!control)
        return;
    TWinControl* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        if (!control->Parent())
            return;
        g_captureControl = control;
        windowed = control->Parent();
    }
    SetCapture(windowed->Handle());
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this] { FontChanged(); };
    constraints_.OnChange = [this] {
        int w = width_, h = height_;
        if (CheckNewSize(w, h) && (w != width_ || h != height_))
            SetBounds(left_, top_, w, h);
    };
}

TControl::~TControl() {
    if (g_captureControl == this)
        SetCaptureControl(nullptr);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        UpdateAnchorRules();
    }
}

TComponent* TControl::GetParentComponent() const {
    return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent))
        SetParent(windowed);
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

bool TControl::CheckNewSize(int& newWidth, int& newHeight) {
    int w = newWidth, h = newHeight;
    if (!InState(csLoading) && !CanResize(w, h))
        return false;
    constraints_.Constrain(w, h);
    newWidth = w;
    newHeight = h;
    return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (!CheckNewSize(width, height))
        return;
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    InvalidateControl(Visible(), false);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    UpdateAnchorRules();
    Invalidate();
    Perform(WM_WINDOWPOSCHANGED, 0, 0);
    RequestAlign();
    if (!InState(csLoading))
        Resize();
}

TRect TControl::ClientRect() {
    return {0, 0, width_, height_};
}

void TControl::SetClientWidth(int value) {
    TRect client = ClientRect();
    SetBounds(left_, top_, width_ - client.Right + value, height_);
}

void TControl::SetClientHeight(int value) {
    TRect client = ClientRect();
    SetBounds(left_, top_, width_, height_ - client.Bottom + value);
}

TPoint TControl::ClientOrigin() {
    if (!parent_)
        return {left_, top_};
    TPoint p = parent_->ClientOrigin();
    return {p.X + left_, p.Y + top_};
}

void TControl::SetAlign(TAlign value) {
    if (align_ == value)
        return;
    align_ = value;
    // An aligned control is anchored to the sides it is aligned to.
    switch (value) {
    case alTop:
        anchors_ = akLeft | akTop | akRight;
        break;
    case alBottom:
        anchors_ = akLeft | akRight | akBottom;
        break;
    case alLeft:
        anchors_ = akLeft | akTop | akBottom;
        break;
    case alRight:
        anchors_ = akRight | akTop | akBottom;
        break;
    case alClient:
        anchors_ = akLeft | akTop | akRight | akBottom;
        break;
    default:
        anchors_ = AnchorsDefault;
        break;
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
    if (anchors_ == value)
        return;
    anchors_ = value;
    if (!InState(csLoading))
        UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (anchorMove_ || InState(csLoading))
        return;
    if (anchors_ == AnchorsDefault) {
        originalParentSize_ = {0, 0};
        return;
    }
    if (anchors_ & akRight)
        anchorRules_.X = (anchors_ & akLeft) ? width_ : left_;
    else
        anchorRules_.X = left_ + width_ / 2;
    if (anchors_ & akBottom)
        anchorRules_.Y = (anchors_ & akTop) ? height_ : top_;
    else
        anchorRules_.Y = top_ + height_ / 2;
    if (parent_) {
        TRect client = parent_->ClientRect();
        originalParentSize_ = {client.Right, client.Bottom};
    }
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
}

void TControl::SetVisible(bool value) {
    if (visible_ == value)
        return;
    VisibleChanging();
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
    RequestAlign();
}

void TControl::Show() {
    if (parent_)
        parent_->Show();
    SetVisible(true);
}

void TControl::SetEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (parentColor_ == value)
        return;
    parentColor_ = value;
    if (parent_ && !InState(csReading))
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetFont(const TFont& value) {
    font_->Assign(value);
}

void TControl::SetParentFont(bool value) {
    if (parentFont_ == value)
        return;
    parentFont_ = value;
    if (parent_ && !InState(csReading))
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged() {
    parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetText(const std::string& value) {
    if (value == text_)
        return;
    std::string copy = value;
    Perform(WM_SETTEXT, 0, LPARAM(copy.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
    if (showHint_ == value)
        return;
    showHint_ = value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value) {
    if (parentShowHint_ == value)
        return;
    parentShowHint_ = value;
    if (parent_ && !InState(csReading))
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value) {
    if (cursor_ == value)
        return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenuBase* value) {
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
}

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !parent_ || !parent_->HandleAllocated())
        return;
    TRect r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, !(isOpaque || (parent_->DoubleBuffered())));
}

void TControl::Invalidate() {
    InvalidateControl(Visible(), (controlStyle_ & csOpaque) != 0);
}

void TControl::Update() {
    if (parent_)
        parent_->Update();
}

void TControl::Repaint() {
    if (!Visible() || !parent_ || !parent_->HandleAllocated())
        return;
    Invalidate();
    parent_->Update();
}

void TControl::SetZOrder(bool topMost) {
    if (!parent_)
        return;
    parent_->MoveChild(this, topMost);
    Invalidate();
}

bool TControl::IsShowing() {
    return visible_ && parent_ && parent_->IsShowing();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
        if (!(controlStyle_ & csDoubleClicks) &&
            (m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK))
            m.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK)
            controlState_ |= csLButtonDown;
        else if (m.Msg == WM_LBUTTONUP)
            controlState_ &= ~TControlState(csLButtonDown);
    }
    Dispatch(m);
}

void TControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        HandleButtonDown(m, mbLeft, 0);
        return;
    case WM_RBUTTONDOWN:
        HandleButtonDown(m, mbRight, 0);
        return;
    case WM_MBUTTONDOWN:
        HandleButtonDown(m, mbMiddle, 0);
        return;
    case WM_LBUTTONDBLCLK:
        TObject::Dispatch(m);
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(true);
        if (controlStyle_ & csClickEvents)
            DblClick();
        MouseDown(mbLeft, KeysToShiftState(m.WParam) | ssDouble, PointFromLParam(m.LParam).X,
                  PointFromLParam(m.LParam).Y);
        return;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        TObject::Dispatch(m);
        MouseDown(m.Msg == WM_RBUTTONDBLCLK ? mbRight : mbMiddle,
                  KeysToShiftState(m.WParam) | ssDouble, PointFromLParam(m.LParam).X,
                  PointFromLParam(m.LParam).Y);
        return;
    case WM_LBUTTONUP:
        HandleButtonUp(m, mbLeft);
        return;
    case WM_RBUTTONUP:
        HandleButtonUp(m, mbRight);
        return;
    case WM_MBUTTONUP:
        HandleButtonUp(m, mbMiddle);
        return;
    case WM_MOUSEMOVE:
        HandleMouseMove(m);
        return;
    case WM_MOUSEWHEEL:
        HandleMouseWheel(m);
        return;
    case WM_CONTEXTMENU:
        HandleContextMenu(m);
        return;
    case WM_CANCELMODE:
        if (GetCaptureControl() == this)
            SetCaptureControl(nullptr);
        TObject::Dispatch(m);
        return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        InvalidateControl(true, visible_ && (controlStyle_ & csOpaque));
        return;
    case CM_PARENTCOLORCHANGED:
        HandleParentColorChanged(m);
        return;
    case CM_PARENTFONTCHANGED:
        HandleParentFontChanged(m);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        if (parentShowHint_ && parent_) {
            showHint_ = parent_->ShowHint();
            Perform(CM_SHOWHINTCHANGED, 0, 0);
        }
        return;
    case CM_HITTEST:
        m.Result = HTCLIENT;
        return;
    case CM_MOUSEENTER:
        HandleMouseEnter(m);
        return;
    case CM_MOUSELEAVE:
        HandleMouseLeave(m);
        return;
    case CM_MOUSEWHEEL: {
        TPoint pos = PointFromLParam(m.LParam);
        int delta = int(int16_t(HiWord(m.WParam)));
        m.Result = 0;
        if (DoMouseWheel(KeysToShiftState(LoWord(m.WParam)), delta, pos))
            m.Result = 1;
        else if (parent_)
            m.Result = parent_->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
        return;
    }
    default:
        TObject::Dispatch(m);
        return;
    }
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_GETTEXT: {
        char* buffer = reinterpret_cast<char*>(m.LParam);
        size_t size = size_t(m.WParam);
        if (buffer && size > 0) {
            size_t n = std::min(size - 1, text_.size());
            std::copy(text_.begin(), text_.begin() + std::ptrdiff_t(n), buffer);
            buffer[n] = '\0';
            m.Result = LRESULT(n);
        }
        break;
    }
    case WM_GETTEXTLENGTH:
        m.Result = LRESULT(text_.size());
        break;
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        text_ = text ? text : "";
        m.Result = 1;
        break;
    }
    default:
        break;
    }
}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (MouseCapture() == value)
        return;
    SetCaptureControl(value ? this : nullptr);
}

void TControl::HandleButtonDown(TMessage& m, TMouseButton button, TShiftState extra) {
    TObject::Dispatch(m);
    if (button == mbLeft) {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(true);
        if (controlStyle_ & csClickEvents)
            controlState_ |= csClicked;
    }
    TPoint p = PointFromLParam(m.LParam);
    MouseDown(button, KeysToShiftState(m.WParam) | extra, p.X, p.Y);
}

void TControl::HandleButtonUp(TMessage& m, TMouseButton button) {
    TObject::Dispatch(m);
    TPoint p = PointFromLParam(m.LParam);
    if (button == mbLeft) {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(false);
        if (controlState_ & csClicked) {
            controlState_ &= ~TControlState(csClicked);
            if (ClientRect().Contains(p))
                Click();
        }
    }
    MouseUp(button, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::HandleMouseMove(TMessage& m) {
    TObject::Dispatch(m);
    TPoint p = PointFromLParam(m.LParam);
    MouseMove(KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::HandleMouseWheel(TMessage& m) {
    MouseWheelHandler(m);
}

void TControl::MouseWheelHandler(TMessage& m) {
    // The form hands the wheel to its focused control, which passes it up its parents.
    TCustomForm* form = GetParentForm(this);
    if (form && static_cast<TControl*>(form) != this) {
        form->MouseWheelHandler(m);
        return;
    }
    m.Result = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
}

void TControl::HandleContextMenu(TMessage& m) {
    TPoint pos = PointFromLParam(m.LParam);
    bool handled = false;
    DoContextPopup(pos, handled);
    if (handled) {
        m.Result = 1;
        return;
    }
    TPopupMenuBase* menu = GetPopupMenu();
    if (menu && menu->AutoPopup()) {
        menu->SetPopupComponent(this);
        menu->Popup(pos.X, pos.Y);
        m.Result = 1;
        return;
    }
    TObject::Dispatch(m);
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
    (void)mousePos;
    (void)handled;
}

void TControl::HandleParentColorChanged(TMessage& m) {
    if (!parentColor_)
        return;
    if (m.WParam)
        SetColor(TColor(m.LParam));
    else if (parent_)
        SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::HandleParentFontChanged(TMessage& m) {
    if (!parentFont_)
        return;
    if (m.WParam)
        SetFont(*reinterpret_cast<const TFont*>(m.LParam));
    else if (parent_)
        SetFont(parent_->Font());
    parentFont_ = true;
}

void TControl::HandleMouseEnter(TMessage& m) {
    if (parent_)
        parent_->Perform(CM_MOUSEENTER, 0, LPARAM(this));
    if (m.LParam == 0)
        Fire(OnMouseEnter, this);
}

void TControl::HandleMouseLeave(TMessage& m) {
    if (parent_)
        parent_->Perform(CM_MOUSELEAVE, 0, LPARAM(this));
    if (m.LParam == 0)
        Fire(OnMouseLeave, this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    Fire(OnMouseDown, this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    Fire(OnMouseMove, this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    Fire(OnMouseUp, this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled)
        return true;
    wheelAccumulator_ += wheelDelta;
    while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
        bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ = std::abs(wheelAccumulator_) - WHEEL_DELTA;
        if (down) {
            if (wheelAccumulator_ != 0)
                wheelAccumulator_ = -wheelAccumulator_;
            handled = DoMouseWheelDown(shift, mousePos);
        } else {
            handled = DoMouseWheelUp(shift, mousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

void TControl::Resize() {
    Fire(OnResize, this);
}

void TControl::Click() {
    Fire(OnClick, this);
}

void TControl::DblClick() {
    Fire(OnDblClick, this);
}

void TControl::RequestAlign() {
    if (parent_)
        parent_->AlignControl(this);
}

void TControl::ChangeScale(int m, int d) {
    if (m == d)
        return;
    int x = MulDiv(left_, m, d);
    int y = MulDiv(top_, m, d);
    int w = (controlStyle_ & csFixedWidth) ? width_ : MulDiv(left_ + width_, m, d) - x;
    int h = (controlStyle_ & csFixedHeight) ? height_ : MulDiv(top_ + height_, m, d) - y;
    SetBounds(x, y, w, h);
    originalParentSize_.X = MulDiv(originalParentSize_.X, m, d);
    originalParentSize_.Y = MulDiv(originalParentSize_.Y, m, d);
    if (!parentFont_)
        font_->SetSize(MulDiv(font_->Size(), m, d));
}

} // namespace ui
