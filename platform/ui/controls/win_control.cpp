#include "platform/ui/controls/win_control.h"

#include <algorithm>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

int g_wndProcDepth = 0;

struct TDCState {
    TPoint Origin;
    TCanvas::TClipState Clip;
};

TDCState SaveDC(TCanvas& dc) {
    return {dc.WindowOrg(), dc.SaveClip()};
}

void RestoreDC(TCanvas& dc, const TDCState& state) {
    TPoint now = dc.WindowOrg();
    dc.MoveWindowOrg(state.Origin.X - now.X, state.Origin.Y - now.Y);
    dc.RestoreClip(state.Clip);
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
    Destroying();
    if (Parent())
        RemoveFocus(true);
    if (handle_)
        DestroyHandle();
    while (ControlCount() > 0) {
        TControl* child = Controls(ControlCount() - 1);
        Remove(child);
        Free(child);
    }
    // Leave the parent while this is still a windowed control (the parent keeps those apart).
    if (Parent())
        Parent()->RemoveControl(this);
}

TControl* TWinControl::Controls(int index) const {
    if (index < int(controls_.size()))
        return controls_.at(size_t(index));
    return winControls_.at(size_t(index) - controls_.size());
}

void TWinControl::Insert(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        winControls_.push_back(windowed);
        tabList_.push_back(windowed);
    } else {
        controls_.push_back(control);
    }
    control->parent_ = this;
}

void TWinControl::Remove(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
        winControls_.erase(std::remove(winControls_.begin(), winControls_.end(), windowed),
                           winControls_.end());
    } else {
        controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    }
    control->parent_ = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 1);
    Insert(control);
    if (!control->InState(csReading)) {
        control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        control->Perform(CM_PARENTFONTCHANGED, 0, 0);
        control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
            windowed->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
            windowed->UpdateControlState();
        } else if (HandleAllocated()) {
            control->Invalidate();
        }
        AlignControl(control);
    }
    Perform(CM_CONTROLCHANGE, WPARAM(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
    Perform(CM_CONTROLCHANGE, WPARAM(control), 0);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->RemoveFocus(true);
        windowed->DestroyHandle();
    } else if (HandleAllocated()) {
        control->InvalidateControl(control->Visible(), false);
    }
    Remove(control);
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 0);
    Realign();
}

void TWinControl::MoveChild(TControl* control, bool toTop) {
    auto move = [toTop](auto& list, auto* item) {
        auto it = std::find(list.begin(), list.end(), item);
        if (it == list.end())
            return;
        list.erase(it);
        if (toTop)
            list.push_back(item);
        else
            list.insert(list.begin(), item);
    };
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        move(winControls_, windowed);
    else
        move(controls_, control);
}

void TWinControl::SetZOrder(bool topMost) {
    if (Parent())
        Parent()->MoveChild(this, topMost);
    if (handle_)
        SetWindowPos(handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | (Parent() ? SWP_NOACTIVATE : 0));
}

bool TWinControl::ContainsControl(TControl* control) const {
    while (control && control != this)
        control = control->Parent();
    return control == this;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) {
    auto hits = [&](TControl* c) {
        TPoint p{pos.X - c->Left(), pos.Y - c->Top()};
        return TRect{0, 0, c->Width(), c->Height()}.Contains(p) && c->Visible() &&
               (c->Enabled() || allowDisabled) && c->Perform(CM_HITTEST, 0, PointToLParam(p)) != 0;
    };
    if (allowWinControls)
        for (auto it = winControls_.rbegin(); it != winControls_.rend(); ++it)
            if (hits(*it))
                return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (hits(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    TMessage message{msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::DisableAlign() {
    ++alignLevel_;
}

void TWinControl::EnableAlign() {
    if (--alignLevel_ == 0 && !InState(csDestroying)) {
        if (HasControlState(csAlignmentNeeded))
            Realign();
    }
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* control) {
    if (!HandleAllocated() || InState(csDestroying))
        return;
    if (alignLevel_ != 0) {
        controlState_ |= csAlignmentNeeded;
        return;
    }
    DisableAlign();
    TRect rect = ClientRect();
    AlignControls(control, rect);
    controlState_ &= ~TControlState(csAlignmentNeeded);
    EnableAlign();
}

void TWinControl::AdjustClientRect(TRect& rect) {
    (void)rect;
}

void TWinControl::AlignControls(TControl* aControl, TRect& rect) {
    bool work = false;
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Align() != alNone || Controls(i)->Anchors() != AnchorsDefault)
            work = true;
    if (!work)
        return;
    AdjustClientRect(rect);

    auto insertBefore = [](TControl* c1, TControl* c2, TAlign align) {
        switch (align) {
        case alTop:
            return c1->Top() < c2->Top();
        case alBottom:
            return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
        case alLeft:
            return c1->Left() < c2->Left();
        case alRight:
            return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
        default:
            return false;
        }
    };

    auto doPosition = [&](TControl* control, TAlign align) {
        if (align == alNone || control->Anchors() != [align] {
                switch (align) {
                case alTop:
                    return TAnchors(akLeft | akTop | akRight);
                case alBottom:
                    return TAnchors(akLeft | akRight | akBottom);
                case alLeft:
                    return TAnchors(akLeft | akTop | akBottom);
                case alRight:
                    return TAnchors(akRight | akTop | akBottom);
                case alClient:
                    return TAnchors(akLeft | akTop | akRight | akBottom);
                default:
                    return AnchorsDefault;
                }
            }()) {
            TPoint original = control->originalParentSize_;
            if (original.X != 0 && original.Y != 0) {
                int newLeft = control->Left(), newTop = control->Top();
                int newWidth = control->Width(), newHeight = control->Height();
                TRect client = ClientRect();
                TPoint parentSize{client.Right, client.Bottom};
                TAnchors a = control->Anchors();
                TPoint rules = control->anchorRules_;
                if (a & akRight) {
                    if (a & akLeft)
                        newWidth = parentSize.X - (original.X - rules.X);
                    else
                        newLeft = parentSize.X - (original.X - rules.X);
                } else if (!(a & akLeft)) {
                    newLeft = MulDiv(rules.X, parentSize.X, original.X) - newWidth / 2;
                }
                if (a & akBottom) {
                    if (a & akTop)
                        newHeight = parentSize.Y - (original.Y - rules.Y);
                    else
                        newTop = parentSize.Y - (original.Y - rules.Y);
                } else if (!(a & akTop)) {
                    newTop = MulDiv(rules.Y, parentSize.Y, original.Y) - newHeight / 2;
                }
                control->anchorMove_ = true;
                control->SetBounds(newLeft, newTop, newWidth, newHeight);
                control->anchorMove_ = false;
            }
            if (align == alNone)
                return;
        }
        int newWidth = rect.Right - rect.Left;
        if (newWidth < 0 || align == alLeft || align == alRight || align == alCustom)
            newWidth = control->Width();
        int newHeight = rect.Bottom - rect.Top;
        if (newHeight < 0 || align == alTop || align == alBottom || align == alCustom)
            newHeight = control->Height();
        int newLeft = rect.Left;
        int newTop = rect.Top;
        switch (align) {
        case alTop:
            rect.Top += newHeight;
            break;
        case alBottom:
            rect.Bottom -= newHeight;
            newTop = rect.Bottom;
            break;
        case alLeft:
            rect.Left += newWidth;
            break;
        case alRight:
            rect.Right -= newWidth;
            newLeft = rect.Right;
            break;
        case alCustom:
            newLeft = control->Left();
            newTop = control->Top();
            break;
        default:
            break;
        }
        control->anchorMove_ = true;
        control->SetBounds(newLeft, newTop, newWidth, newHeight);
        control->anchorMove_ = false;
        // The rectangle follows what the control really took (constraints may refuse).
        if (control->Width() != newWidth || control->Height() != newHeight) {
            switch (align) {
            case alTop:
                rect.Top -= newHeight - control->Height();
                break;
            case alBottom:
                rect.Bottom += newHeight - control->Height();
                break;
            case alLeft:
                rect.Left -= newWidth - control->Width();
                break;
            case alRight:
                rect.Right += newWidth - control->Width();
                break;
            case alClient:
                rect.Right += newWidth - control->Width();
                rect.Bottom += newHeight - control->Height();
                break;
            default:
                break;
            }
        }
    };

    auto doAlign = [&](TAlign align) {
        std::vector<TControl*> list;
        if (aControl && (align == alNone || aControl->Visible()) && aControl->Align() == align)
            list.push_back(aControl);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* control = Controls(i);
            if (control->Align() != align || (align != alNone && !control->Visible()))
                continue;
            if (control == aControl)
                continue;
            size_t j = 0;
            while (j < list.size() && !insertBefore(control, list[j], align))
                ++j;
            list.insert(list.begin() + std::ptrdiff_t(j), control);
        }
        for (TControl* control : list)
            doPosition(control, align);
    };

    doAlign(alTop);
    doAlign(alBottom);
    doAlign(alLeft);
    doAlign(alRight);
    doAlign(alClient);
    doAlign(alCustom);
    doAlign(alNone);
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateHandle() {
    if (handle_)
        return;
    CreateWnd();
    if (Parent() && handle_)
        SetWindowPos(handle_, Parent()->PrecedingWindow(this), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->UpdateAnchorRules();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params = TCreateParams{};
    params.Caption = Text();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_ & csAcceptsControls)
        params.Style |= WS_CLIPCHILDREN;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = Parent() ? Parent()->WindowHandle() : 0;
    params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    CreateWindowFor(this, params, handle_);
    if (!handle_)
        throw EInvalidOperation("Cannot create the window of '" + Name() + "'");
    if ((GetWindowLong(handle_, GWL_STYLE) & WS_CHILD) && GetWindowLong(handle_, GWL_ID) == 0)
        SetWindowLong(handle_, GWL_ID, int32_t(handle_));
    UpdateBounds();
}

void TWinControl::DestroyHandle() {
    if (!handle_)
        return;
    for (TWinControl* child : std::vector<TWinControl*>(winControls_))
        child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    controlState_ |= csDestroyingHandle;
    HWND doomed = handle_;
    DestroyWindow(doomed);
    controlState_ &= ~TControlState(csDestroyingHandle);
    handle_ = 0;
    showing_ = false;
}

void TWinControl::RecreateWnd() {
    if (handle_)
        Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::UpdateShowing() {
    bool show = Visible() && !HasControlState(csReadingState);
    if (show) {
        if (!handle_)
            CreateHandle();
        for (TWinControl* child : std::vector<TWinControl*>(winControls_))
            child->UpdateShowing();
    }
    if (handle_ && showing_ != show) {
        showing_ = show;
        try {
            Perform(CM_SHOWINGCHANGED, 0, 0);
        } catch (...) {
            showing_ = !show;
            throw;
        }
        for (TWinControl* child : std::vector<TWinControl*>(winControls_))
            child->UpdateShowing();
    }
}

void TWinControl::UpdateControlState() {
    TWinControl* control = this;
    while (control->Parent()) {
        control = control->Parent();
        if (!control->Showing())
            return;
    }
    if (dynamic_cast<TCustomForm*>(control))
        UpdateShowing();
}

void TWinControl::UpdateBounds() {
    TWindowRecord* r = wm::Find(handle_);
    if (!r)
        return;
    TRect rect = r->Minimized ? r->RestoreRect : r->Rect;
    left_ = rect.Left;
    top_ = rect.Top;
    width_ = rect.Width();
    height_ = rect.Height();
    UpdateAnchorRules();
}

HWND TWinControl::PrecedingWindow(TWinControl* control) {
    auto it = std::find(winControls_.begin(), winControls_.end(), control);
    if (it != winControls_.end())
        for (++it; it != winControls_.end(); ++it)
            if ((*it)->handle_)
                return (*it)->handle_;
    return HWND_TOP;
}

TRect TWinControl::NonClientInsets() {
    if (TWindowRecord* r = wm::Find(handle_))
        return r->Frame;
    TCreateParams params;
    CreateParams(params);
    TRect frame = wm::DefaultFrame(params.Style, params.ExStyle);
    return {frame.Left + borderWidth_, frame.Top + borderWidth_, frame.Right + borderWidth_,
            frame.Bottom + borderWidth_};
}

TRect TWinControl::DefaultClientRect() {
    TRect frame = NonClientInsets();
    return {0, 0, std::max(0, width_ - frame.Left - frame.Right),
            std::max(0, height_ - frame.Top - frame.Bottom)};
}

void TWinControl::SetClientWidth(int value) {
    TRect frame = NonClientInsets();
    SetBounds(left_, top_, value + frame.Left + frame.Right, height_);
}

void TWinControl::SetClientHeight(int value) {
    TRect frame = NonClientInsets();
    SetBounds(left_, top_, width_, value + frame.Top + frame.Bottom);
}

TRect TWinControl::ClientRect() {
    if (!handle_)
        return DefaultClientRect();
    TRect client;
    ::ui::GetClientRect(handle_, client);
    return client;
}

TPoint TWinControl::ClientOrigin() {
    if (handle_)
        return ::ui::ClientToScreen(handle_, {0, 0});
    TRect frame = NonClientInsets();
    TPoint base = Parent() ? Parent()->ClientOrigin() : TPoint{};
    return {base.X + left_ + frame.Left, base.Y + top_ + frame.Top};
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    if (!CheckNewSize(width, height))
        return;
    if (handle_ && !IsIconic(handle_)) {
        SetWindowPos(handle_, 0, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        if (TWindowRecord* r = wm::Find(handle_))
            r->RestoreRect = Bounds(left, top, width, height);
    }
    UpdateAnchorRules();
    RequestAlign();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    TControl::SetParent(parent);
}

void TWinControl::SetTabStop(bool value) {
    if (tabStop_ == value)
        return;
    tabStop_ = value;
    if (handle_) {
        uint32_t style = uint32_t(GetWindowLong(handle_, GWL_STYLE));
        style = value ? style | WS_TABSTOP : style & ~uint32_t(WS_TABSTOP);
        SetWindowLong(handle_, GWL_STYLE, int32_t(style));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (HasControlState(csReadingState)) {
        storedTabOrder_ = value;
        return;
    }
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    int current = TabOrder();
    if (current < 0)
        return;
    int count = int(list.size());
    value = std::clamp(value, 0, count - 1);
    if (value == current)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + value, this);
}

void TWinControl::FixupTabList() {
    size_t count = winControls_.size();
    std::vector<TWinControl*> list(count, nullptr);
    for (TWinControl* c : winControls_) {
        int j = c->storedTabOrder_;
        if (j >= 0 && size_t(j) < count && !list[size_t(j)])
            list[size_t(j)] = c;
    }
    for (TWinControl* c : winControls_) {
        if (std::find(list.begin(), list.end(), c) != list.end())
            continue;
        auto slot = std::find(list.begin(), list.end(), nullptr);
        *slot = c;
    }
    tabList_ = list;
    for (TWinControl* c : winControls_)
        c->storedTabOrder_ = -1;
}

bool TWinControl::CanFocus() {
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return false;
    for (TWinControl* c = this; c != form; c = c->Parent())
        if (!c || !c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this))
        form->FocusControl(this);
    else
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = int(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? count - 1 : 0) : int(it - list.begin());
    int i = start;
    do {
        if (goForward) {
            if (++i == count)
                i = 0;
        } else {
            if (i == 0)
                i = count;
            --i;
        }
        TWinControl* c = list[size_t(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) &&
            (!checkParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::RemoveFocus(bool removing) {
    if (TCustomForm* form = GetParentForm(this))
        form->DefocusControl(this, removing);
}

void TWinControl::SetCtl3D(bool value) {
    if (ctl3D_ == value)
        return;
    ctl3D_ = value;
    parentCtl3D_ = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool value) {
    if (parentCtl3D_ == value)
        return;
    parentCtl3D_ = value;
    if (Parent() && !InState(csReading))
        Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::SetBorderWidth(int value) {
    if (value < 0)
        value = 0;
    if (borderWidth_ == value)
        return;
    borderWidth_ = value;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TWinControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, !(controlStyle_ & csOpaque));
}

void TWinControl::Update() {
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::ChangeScale(int m, int d) {
    if (m == d)
        return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ChangeScale(m, d);
    TControl::ChangeScale(m, d);
    EnableAlign();
}

void TWinControl::ScaleBy(int m, int d) {
    DisableAlign();
    ChangeScale(m, d);
    EnableAlign();
    Realign();
}

void TWinControl::MainWndProc(TMessage& message) {
    ++g_wndProcDepth;
    try {
        WndProc(message);
    } catch (...) {
        --g_wndProcDepth;
        if (g_wndProcDepth == 0)
            TControlCanvas::FreeDeviceContexts();
        wm::ReportException(std::current_exception());
        return;
    }
    if (--g_wndProcDepth == 0)
        TControlCanvas::FreeDeviceContexts();
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS: {
        TCustomForm* form = GetParentForm(this);
        if (form && !form->SetFocusedControl(this))
            return;
        break;
    }
    case WM_KILLFOCUS:
        if (HasControlState(csFocusing))
            return;
        break;
    case WM_NCHITTEST:
        TControl::WndProc(m);
        if (m.Result == HTTRANSPARENT &&
            ControlAtPos(ScreenToClient(PointFromLParam(m.LParam)), false))
            m.Result = HTCLIENT;
        return;
    case WM_CANCELMODE: {
        TControl* capture = GetCaptureControl();
        if (GetCapture() == handle_ && capture && capture != this && capture->Parent() == this)
            capture->Perform(WM_CANCELMODE, 0, 0);
        break;
    }
    default:
        if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && IsControlMouseMsg(m)) {
            if (m.Result == 0 && handle_) {
                TMessage copy = m;
                CallDefaultWindowProc(copy);
            }
            return;
        }
        break;
    }
    TControl::WndProc(m);
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
    if (m.Msg == WM_MOUSEWHEEL)
        return false;
    TControl* control = nullptr;
    if (GetCapture() == handle_ && handle_) {
        TControl* capture = GetCaptureControl();
        if (capture && capture != this && capture->Parent() == this)
            control = capture;
    } else {
        control = ControlAtPos(PointFromLParam(m.LParam), false);
    }
    if (!control)
        return false;
    TPoint p = PointFromLParam(m.LParam);
    p = {p.X - control->Left(), p.Y - control->Top()};
    m.Result = control->Perform(m.Msg, m.WParam, PointToLParam(p));
    return true;
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        HandlePaint(m);
        return;
    case WM_ERASEBKGND:
        HandleEraseBackground(m);
        return;
    case WM_NCCALCSIZE: {
        TControl::Dispatch(m);
        auto* params = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
        TRect& c = params->rgrc[0];
        c = {c.Left + borderWidth_, c.Top + borderWidth_,
             std::max(c.Left + borderWidth_, c.Right - borderWidth_),
             std::max(c.Top + borderWidth_, c.Bottom - borderWidth_)};
        return;
    }
    case WM_NCPAINT:
        if (borderWidth_ > 0 && handle_) {
            HDC dc = GetWindowDC(handle_);
            if (dc) {
                TRect window{0, 0, width_, height_};
                TRect frame = wm::DefaultFrame(uint32_t(GetWindowLong(handle_, GWL_STYLE)),
                                               uint32_t(GetWindowLong(handle_, GWL_EXSTYLE)));
                TRect outer{frame.Left, frame.Top, window.Right - frame.Right,
                            window.Bottom - frame.Bottom};
                dc->Brush().SetColor(Color());
                dc->Brush().SetStyle(bsSolid);
                TRect inner = InflateRect(outer, -borderWidth_, -borderWidth_);
                dc->FillRect({outer.Left, outer.Top, outer.Right, inner.Top});
                dc->FillRect({outer.Left, inner.Bottom, outer.Right, outer.Bottom});
                dc->FillRect({outer.Left, inner.Top, inner.Left, inner.Bottom});
                dc->FillRect({inner.Right, inner.Top, outer.Right, inner.Bottom});
            }
            ReleaseDC(handle_, dc);
        }
        TControl::Dispatch(m);
        return;
    case WM_SIZE:
        HandleSize(m);
        return;
    case WM_MOVE:
        TControl::Dispatch(m);
        UpdateBounds();
        return;
    case WM_WINDOWPOSCHANGED:
        if (m.LParam && !HasControlState(csDestroyingHandle))
            UpdateBounds();
        TControl::Dispatch(m);
        return;
    case WM_WINDOWPOSCHANGING:
        if (m.LParam && !InState(csReading | csDestroying)) {
            auto* pos = reinterpret_cast<TWindowPos*>(m.LParam);
            if (!(pos->flags & SWP_NOSIZE) && !CheckNewSize(pos->cx, pos->cy))
                pos->flags |= SWP_NOSIZE;
        }
        TControl::Dispatch(m);
        return;
    case WM_SETCURSOR:
        HandleSetCursor(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(m))
            TControl::Dispatch(m);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(m))
            TControl::Dispatch(m);
        return;
    case WM_CHAR:
        if (!DoKeyPress(m))
            TControl::Dispatch(m);
        return;
    case CN_KEYDOWN:
        HandleKeyDownNotification(m);
        return;
    case CN_SYSKEYDOWN:
        HandleSysKeyDownNotification(m);
        return;
    case CN_CHAR:
        HandleCharNotification(m);
        return;
    case CN_SYSCHAR:
        HandleSysCharNotification(m);
        return;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<TDrawItemStruct*>(m.LParam);
        if (!item || !DoControlMsg(item->hwndItem, m))
            TControl::Dispatch(m);
        return;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<TMeasureItemStruct*>(m.LParam);
        if (!item || !DoControlMsg(HWND(item->CtlID), m))
            TControl::Dispatch(m);
        return;
    }
    case WM_COMMAND:
        if (!DoControlMsg(HWND(m.LParam), m))
            TControl::Dispatch(m);
        return;
    case WM_NCDESTROY:
        TControl::Dispatch(m);
        handle_ = 0;
        showing_ = false;
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(m);
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled() && Parent())
            RemoveFocus(false);
        if (handle_)
            EnableWindow(handle_, Enabled());
        return;
    case CM_VISIBLECHANGED:
        if (!Visible() && Parent())
            RemoveFocus(false);
        UpdateControlState();
        return;
    case CM_SHOWINGCHANGED:
        HandleShowingChanged(m);
        return;
    case CM_COLORCHANGED:
        TControl::Dispatch(m);
        brush_.SetColor(Color());
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        TControl::Dispatch(m);
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case CM_CTL3DCHANGED:
        NotifyControls(CM_PARENTCTL3DCHANGED);
        return;
    case CM_PARENTCTL3DCHANGED:
        if (parentCtl3D_ && Parent()) {
            SetCtl3D(Parent()->Ctl3D());
            parentCtl3D_ = true;
        }
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_RECREATEWND: {
        bool wasFocused = Focused();
        DestroyHandle();
        UpdateControlState();
        if (wasFocused && handle_)
            ::ui::SetFocus(handle_);
        return;
    }
    case CM_BORDERCHANGED:
        if (handle_) {
            SetWindowPos(handle_, 0, 0, 0, 0, 0,
                         SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE |
                             SWP_FRAMECHANGED);
            if (Visible())
                Invalidate();
        }
        return;
    default:
        TControl::Dispatch(m);
        return;
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!handle_) {
        TControl::DefaultHandler(m);
        return;
    }
    if (m.Msg == WM_CONTEXTMENU && Parent()) {
        m.Result = Parent()->Perform(m.Msg, m.WParam, m.LParam);
        if (m.Result)
            return;
    }
    if (m.Msg == WM_SETTEXT) {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        StoreText(text ? text : "");
    }
    CallDefaultWindowProc(m);
}

void TWinControl::CallDefaultWindowProc(TMessage& m) {
    DefWindowProc(handle_, m);
}

bool TWinControl::DoControlMsg(HWND child, TMessage& m) {
    TWinControl* control = FindControl(child);
    if (!control || control == this)
        return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::HandlePaint(TMessage& m) {
    if (!doubleBuffered_ || m.WParam != 0) {
        if (!HasControlState(csCustomPaint) && ControlCount() == 0)
            TControl::Dispatch(m);
        else
            PaintHandler(m);
        return;
    }
    // Double-buffered: the background is erased into the same device context the paint uses.
    TPaintStruct paint;
    HDC dc = BeginPaint(handle_, paint);
    if (!dc)
        return;
    Perform(WM_ERASEBKGND, WPARAM(dc), LPARAM(dc));
    m.WParam = WPARAM(dc);
    HandlePaint(m);
    m.WParam = 0;
    EndPaint(handle_, paint);
}

void TWinControl::PaintHandler(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    TPaintStruct paint;
    bool began = false;
    if (!dc) {
        dc = BeginPaint(handle_, paint);
        began = true;
    }
    if (dc) {
        TDCState state = SaveDC(*dc);
        PaintWindow(dc);
        RestoreDC(*dc, state);
        PaintControls(dc, nullptr);
    }
    if (began)
        EndPaint(handle_, paint);
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, WPARAM(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto start = controls_.begin();
    if (first) {
        auto it = std::find(controls_.begin(), controls_.end(), first);
        if (it != controls_.end())
            start = it;
    }
    std::vector<TControl*> list(start, controls_.end());
    for (TControl* control : list) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
            continue;
        if (!control->Visible())
            continue;
        TRect bounds = control->BoundsRect();
        TRect visible;
        if (!IntersectRect(visible, dc->ClipRect(), bounds))
            continue;
        TDCState state = SaveDC(*dc);
        dc->MoveWindowOrg(control->Left(), control->Top());
        dc->SetClipRect(OffsetRect(visible, -control->Left(), -control->Top()));
        control->Perform(WM_PAINT, WPARAM(dc), 0);
        RestoreDC(*dc, state);
    }
    for (TWinControl* c : winControls_) {
        if (c->Ctl3D() && (c->ControlStyle() & csFramed) && c->Visible()) {
            dc->Brush().SetStyle(bsSolid);
            dc->Brush().SetColor(clBtnShadow);
            dc->FrameRect(
                {c->Left() - 1, c->Top() - 1, c->Left() + c->Width(), c->Top() + c->Height()});
            dc->Brush().SetColor(clBtnHighlight);
            dc->FrameRect(
                {c->Left(), c->Top(), c->Left() + c->Width() + 1, c->Top() + c->Height() + 1});
        }
    }
}

void TWinControl::HandleEraseBackground(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc && (!doubleBuffered_ || m.WParam == WPARAM(m.LParam))) {
        dc->Brush().Assign(brush_);
        dc->FillRect(ClientRect());
    }
    m.Result = 1;
}

void TWinControl::HandleSetCursor(TMessage& m) {
    if (HWND(m.WParam) == handle_ && LRESULT(int16_t(LoWord(uintptr_t(m.LParam)))) == HTCLIENT) {
        TCursor cursor = Screen()->Cursor();
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(p);
            TControl* control = ControlAtPos(ScreenToClient(p), false);
            if (control)
                cursor = control->Cursor();
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            SetCursorShape(cursor);
            m.Result = 1;
            return;
        }
    }
    TControl::Dispatch(m);
}

void TWinControl::HandleSize(TMessage& m) {
    UpdateBounds();
    TControl::Dispatch(m);
    Realign();
    if (!InState(csLoading))
        Resize();
}

void TWinControl::HandleShowingChanged(TMessage& m) {
    (void)m;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(handle_, 0, 0, 0, 0, 0, flags | (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::HandleKeyDownNotification(TMessage& m) {
    m.Result = 1;
    uint16_t key = uint16_t(m.WParam);
    if (Perform(CM_CHILDKEY, key, LPARAM(this)) != 0)
        return;
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, 0) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0)
            return;
    }
    m.Result = 0;
}

void TWinControl::HandleSysKeyDownNotification(TMessage& m) {
    m.Result = 0;
}

void TWinControl::HandleCharNotification(TMessage& m) {
    m.Result = 1;
    TCustomForm* form = GetParentForm(this);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form &&
        form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
        return;
    m.Result = 0;
}

void TWinControl::HandleSysCharNotification(TMessage& m) {
    m.Result = 0;
    if (m.WParam == VK_SPACE)
        return;
    if (TCustomForm* form = GetParentForm(this))
        m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

bool TWinControl::DoKeyDown(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    TWinControl* formControl = form;
    if (form && formControl != this && form->KeyPreview() && formControl->DoKeyDown(m))
        return true;
    uint16_t key = uint16_t(m.WParam);
    TShiftState shift = KeyDataToShiftState(m.LParam);
    if (!(controlStyle_ & csNoStdEvents)) {
        KeyDown(key, shift);
        m.WParam = key;
        if (key == 0)
            return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    TWinControl* formControl = form;
    if (form && formControl != this && form->KeyPreview() && formControl->DoKeyUp(m))
        return true;
    uint16_t key = uint16_t(m.WParam);
    TShiftState shift = KeyDataToShiftState(m.LParam);
    if (!(controlStyle_ & csNoStdEvents)) {
        KeyUp(key, shift);
        m.WParam = key;
        if (key == 0)
            return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    TWinControl* formControl = form;
    if (form && formControl != this && form->KeyPreview() && formControl->DoKeyPress(m))
        return true;
    if (!(controlStyle_ & csNoStdEvents)) {
        char c = char(m.WParam);
        KeyPress(c);
        m.WParam = WPARAM(uint8_t(c));
        if (c == 0)
            return true;
    }
    return false;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    Fire(OnKeyDown, this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    Fire(OnKeyUp, this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    Fire(OnKeyPress, this, key);
}

void TWinControl::DoEnter() {
    Fire(OnEnter, this);
}

void TWinControl::DoExit() {
    Fire(OnExit, this);
}

} // namespace ui
