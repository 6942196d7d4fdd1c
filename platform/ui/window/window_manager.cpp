// Windows by handle: creation and destruction, styles, text, geometry, showing, enabling,
// focus, activation and capture.
#include "platform/ui/window/window_manager.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

namespace {

struct TState {
    std::map<HWND, std::unique_ptr<TWindowRecord>> Windows;
    std::vector<HWND> TopLevels; // most recently activated first
    HWND NextHandle = 0x100;
    HWND Focus = 0;
    HWND Active = 0;
    HWND Capture = 0;
};

TState& State() {
    static TState state;
    return state;
}

// Window coordinates and sizes stay within what the platform's 16-bit messages carry, so an
// absurd size in a stored form cannot make a window too large to exist.
constexpr int kMaxExtent = 32767;
int ClampSize(int v) {
    return std::clamp(v, 0, kMaxExtent);
}
int ClampPosition(int v) {
    return std::clamp(v, -kMaxExtent, kMaxExtent);
}

bool IsTopLevel(const TWindowRecord& r) {
    return r.Parent == 0;
}

void SetShownFlag(TWindowRecord& r, bool shown) {
    r.Shown = shown;
    if (shown)
        r.Style |= WS_VISIBLE;
    else
        r.Style &= ~uint32_t(WS_VISIBLE);
}

// The top-level window flags Qt needs for a window's extended style.
void ApplyTopLevelFlags(TWindowRecord& r) {
    if (!r.Widget || !IsTopLevel(r))
        return;
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (r.ExStyle & WS_EX_TOPMOST)
        flags |= Qt::WindowStaysOnTopHint;
    if (r.ExStyle & WS_EX_TOOLWINDOW)
        flags |= Qt::Tool;
    if (r.Widget->windowFlags() != flags) {
        bool visible = r.Widget->isVisible();
        r.Widget->setWindowFlags(flags);
        if (visible)
            r.Widget->show();
    }
}

void ApplyOwner(TWindowRecord& r) {
    if (!r.Widget || !IsTopLevel(r))
        return;
    TWindowRecord* owner = wm::Find(r.Owner);
    if (owner && owner->Widget && r.Widget->windowHandle() && owner->Widget->windowHandle())
        r.Widget->windowHandle()->setTransientParent(owner->Widget->windowHandle());
}

void KillFocusWithin(HWND window) {
    TState& s = State();
    if (s.Focus && (s.Focus == window || IsChild(window, s.Focus))) {
        HWND old = s.Focus;
        s.Focus = 0;
        if (wm::Find(old))
            SendMessage(old, WM_KILLFOCUS, 0, 0);
    }
}

void CancelCaptureWithin(HWND window) {
    TState& s = State();
    if (s.Capture && (s.Capture == window || IsChild(window, s.Capture)))
        ReleaseCapture();
}

// The placement of a maximised window: the work area, widened by the frame of a sizable or
// bordered window so that its frame lies outside the screen.
void Maximize(TWindowRecord& r) {
    TMinMaxInfo info;
    int border = 0;
    if ((r.ExStyle & WS_EX_DLGMODALFRAME) || (r.Style & WS_DLGFRAME))
        border = GetSystemMetrics(SM_CXDLGFRAME);
    else {
        if (r.Style & WS_THICKFRAME)
            border += GetSystemMetrics(SM_CXFRAME);
        if (r.Style & WS_BORDER)
            border += GetSystemMetrics(SM_CXBORDER);
    }
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    info.ptMaxSize = {w + 2 * border, h + 2 * border};
    info.ptMaxPosition = {-border, -border};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(r.Handle, WM_GETMINMAXINFO, 0, LPARAM(&info));
    if (!r.Maximized && !r.Minimized)
        r.RestoreRect = r.Rect;
    r.Maximized = true;
    r.Minimized = false;
    r.Style |= WS_MAXIMIZE;
    SetWindowPos(r.Handle, 0, info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X,
                 info.ptMaxSize.Y, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Restore(TWindowRecord& r) {
    bool wasMinimized = r.Minimized;
    if (!r.Maximized && !r.Minimized)
        return;
    r.Maximized = false;
    r.Minimized = false;
    r.Style &= ~uint32_t(WS_MAXIMIZE | WS_MINIMIZE);
    if (wasMinimized && r.Widget)
        r.Widget->showNormal();
    TRect n = r.RestoreRect;
    SetWindowPos(r.Handle, 0, n.Left, n.Top, n.Width(), n.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Minimize(TWindowRecord& r) {
    if (r.Minimized)
        return;
    if (!r.Maximized)
        r.RestoreRect = r.Rect;
    r.Minimized = true;
    r.Style |= WS_MINIMIZE;
    if (r.Widget && IsTopLevel(r))
        r.Widget->showMinimized();
    TRect client;
    GetClientRect(r.Handle, client);
    SendMessage(r.Handle, WM_SIZE, SIZE_MINIMIZED, MakeLParam(client.Width(), client.Height()));
    if (State().Active == r.Handle)
        wm::ActivateNextWindow(r.Handle);
}

// The offscreen platform keeps no stacking order of its own.
bool CanRaise() {
    static const bool can = QGuiApplication::platformName() != QLatin1String("offscreen");
    return can;
}

void ShowWidget(TWindowRecord& r, bool show) {
    if (!r.Widget)
        return;
    if (show) {
        if (IsTopLevel(r) && !r.Widget->windowHandle())
            r.Widget->winId();
        ApplyOwner(r);
        r.Widget->setVisible(true);
        if (IsTopLevel(r) && CanRaise())
            r.Widget->raise();
    } else {
        r.Widget->setVisible(false);
    }
}

} // namespace

namespace wm {

TWindowRecord* Find(HWND window) {
    if (!window)
        return nullptr;
    auto& windows = State().Windows;
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second.get();
}

std::vector<HWND> TopLevelWindows() {
    return State().TopLevels;
}

HWND NewHandle() {
    return State().NextHandle += 4;
}

void Register(TWindowRecord* record) {
    TState& s = State();
    s.Windows[record->Handle].reset(record);
    if (record->Parent == 0)
        s.TopLevels.push_back(record->Handle);
    else if (TWindowRecord* parent = Find(record->Parent))
        parent->Children.push_back(record->Handle);
}

void Unregister(HWND window) {
    TState& s = State();
    TWindowRecord* r = Find(window);
    if (!r)
        return;
    if (TWindowRecord* parent = Find(r->Parent))
        parent->Children.erase(
            std::remove(parent->Children.begin(), parent->Children.end(), window),
            parent->Children.end());
    s.TopLevels.erase(std::remove(s.TopLevels.begin(), s.TopLevels.end(), window),
                      s.TopLevels.end());
    s.Windows.erase(window);
}

bool InputEnabled(HWND window) {
    for (TWindowRecord* r = Find(window); r; r = Find(r->Parent))
        if (!r->Enabled || r->Destroying)
            return false;
    return Find(window) != nullptr;
}

void ActivateNextWindow(HWND leaving) {
    for (HWND h : State().TopLevels) {
        if (h == leaving)
            continue;
        TWindowRecord* r = Find(h);
        if (r && r->Shown && r->Enabled && !r->Minimized && !r->Destroying) {
            SetActiveWindow(h);
            return;
        }
    }
    SetActiveWindow(0);
}

void ForgetWindow(HWND window) {
    TState& s = State();
    if (s.Focus == window)
        s.Focus = 0;
    if (s.Capture == window)
        s.Capture = 0;
    if (s.Active == window)
        s.Active = 0;
}

void SyncWidgetGeometry(HWND window) {
    TWindowRecord* r = Find(window);
    if (!r || !r->Widget)
        return;
    QRect geometry(r->Rect.Left, r->Rect.Top, std::max(0, r->Rect.Width()),
                   std::max(0, r->Rect.Height()));
    if (TWindowRecord* parent = Find(r->Parent))
        geometry.translate(parent->Frame.Left, parent->Frame.Top);
    // A widget never placed by hand is sized by Qt when first shown (to hold its children,
    // wherever they are); placing it once, even where it already stands, prevents that.
    if (r->Widget->geometry() != geometry || !r->Widget->testAttribute(Qt::WA_Resized))
        r->Widget->setGeometry(geometry);
}

void RecalcFrame(HWND window) {
    TWindowRecord* r = Find(window);
    if (!r)
        return;
    TNCCalcSizeParams params;
    params.rgrc[0] = r->Rect;
    SendMessage(window, WM_NCCALCSIZE, 0, LPARAM(&params));
    const TRect& c = params.rgrc[0];
    TRect frame{c.Left - r->Rect.Left, c.Top - r->Rect.Top, r->Rect.Right - c.Right,
                r->Rect.Bottom - c.Bottom};
    frame.Left = std::max(0, frame.Left);
    frame.Top = std::max(0, frame.Top);
    frame.Right = std::max(0, frame.Right);
    frame.Bottom = std::max(0, frame.Bottom);
    bool changed = !(frame == r->Frame);
    r->Frame = frame;
    if (changed)
        for (HWND child : r->Children)
            SyncWidgetGeometry(child);
    if (r->Widget)
        r->Widget->InvalidateFrame();
}

} // namespace wm

HWND CreateWindowFor(TWinControl* control, const TCreateParams& params, HWND& handleSlot) {
    auto* r = new TWindowRecord;
    r->Handle = wm::NewHandle();
    r->Control = control;
    r->Style = params.Style & ~uint32_t(WS_VISIBLE);
    r->ExStyle = params.ExStyle;
    r->ClassStyle = params.WindowClassStyle;
    r->Text = params.Caption;
    r->Rect = Bounds(ClampPosition(params.X), ClampPosition(params.Y), ClampSize(params.Width),
                     ClampSize(params.Height));
    r->Enabled = (params.Style & WS_DISABLED) == 0;
    if (params.Style & WS_CHILD) {
        if (!wm::Find(params.WndParent)) {
            delete r;
            return 0;
        }
        r->Parent = params.WndParent;
    } else {
        r->Owner = params.WndParent;
    }
    HWND handle = r->Handle;
    wm::Register(r);
    handleSlot = handle;

    TCreateParams createParams = params;
    if (!SendMessage(handle, WM_NCCREATE, 0, LPARAM(&createParams)) || !wm::Find(handle)) {
        DestroyWindow(handle);
        handleSlot = 0;
        return 0;
    }
    TWindowRecord* parent = wm::Find(r->Parent);
    r->Widget = new TWindowWidget(handle, parent ? parent->Widget : nullptr, r->Parent == 0);
    ApplyTopLevelFlags(*r);
    ApplyOwner(*r);
    wm::RecalcFrame(handle);
    wm::SyncWidgetGeometry(handle);
    SendMessage(handle, WM_CREATE, 0, LPARAM(&createParams));
    if (!wm::Find(handle))
        return 0;
    // A new window learns its size and place, as after creation on the original platform.
    TRect client;
    GetClientRect(handle, client);
    SendMessage(handle, WM_SIZE, SIZE_RESTORED, MakeLParam(client.Width(), client.Height()));
    if (!wm::Find(handle))
        return 0;
    SendMessage(handle, WM_MOVE, 0,
                PointToLParam({r->Rect.Left + r->Frame.Left, r->Rect.Top + r->Frame.Top}));
    if (!wm::Find(handle))
        return 0;
    if (params.Style & WS_VISIBLE)
        ShowWindow(handle, r->Parent ? SW_SHOWNA : SW_SHOW);
    return handle;
}

void DestroyWindow(HWND window) {
    TWindowRecord* r = wm::Find(window);
    if (!r || r->Destroying)
        return;
    r->Destroying = true;
    CancelCaptureWithin(window);
    KillFocusWithin(window);
    bool wasActive = State().Active == window;
    if (r->Widget)
        r->Widget->hide();
    SetShownFlag(*r, false);
    if (wasActive) {
        State().Active = 0;
        wm::ActivateNextWindow(window);
    }
    SendMessage(window, WM_DESTROY, 0, 0);
    std::vector<HWND> children = r->Children;
    for (HWND child : children)
        DestroyWindow(child);
    wm::KillWindowTimers(window);
    wm::ReleaseWindowDCs(window);
    SendMessage(window, WM_NCDESTROY, 0, 0);
    wm::ForgetWindow(window);
    TWindowWidget* widget = r->Widget;
    r->Widget = nullptr;
    wm::Unregister(window);
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

bool IsWindow(HWND window) {
    return wm::Find(window) != nullptr;
}

TWinControl* FindControl(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r ? r->Control : nullptr;
}

HWND GetParent(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r ? r->Parent : 0;
}

HWND GetWindowOwner(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r ? r->Owner : 0;
}

HWND GetAncestorRoot(HWND window) {
    TWindowRecord* r = wm::Find(window);
    while (r && r->Parent)
        r = wm::Find(r->Parent);
    return r ? r->Handle : 0;
}

bool IsChild(HWND parent, HWND window) {
    for (TWindowRecord* r = wm::Find(window); r && r->Parent; r = wm::Find(r->Parent))
        if (r->Parent == parent)
            return true;
    return false;
}

int32_t GetWindowLong(HWND window, int index) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return int32_t(r->Style);
    case GWL_EXSTYLE:
        return int32_t(r->ExStyle);
    case GWL_ID:
        return r->Id;
    default:
        return 0;
    }
}

int32_t SetWindowLong(HWND window, int index, int32_t value) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return 0;
    int32_t old = GetWindowLong(window, index);
    switch (index) {
    case GWL_STYLE:
        r->Style = uint32_t(value);
        r->Enabled = (r->Style & WS_DISABLED) == 0;
        SetShownFlag(*r, (r->Style & WS_VISIBLE) != 0 && r->Shown);
        break;
    case GWL_EXSTYLE:
        r->ExStyle = uint32_t(value);
        ApplyTopLevelFlags(*r);
        break;
    case GWL_ID:
        r->Id = value;
        break;
    default:
        break;
    }
    return old;
}

std::string GetWindowText(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r ? r->Text : std::string();
}

bool GetWindowRect(HWND window, TRect& rect) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    rect = r->Rect;
    if (r->Parent) {
        TPoint origin = ClientToScreen(r->Parent, {0, 0});
        rect = OffsetRect(rect, origin.X, origin.Y);
    }
    return true;
}

bool GetClientRect(HWND window, TRect& rect) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    rect = {0, 0, std::max(0, r->Rect.Width() - r->Frame.Left - r->Frame.Right),
            std::max(0, r->Rect.Height() - r->Frame.Top - r->Frame.Bottom)};
    return true;
}

TPoint ClientOrigin(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r ? TPoint{r->Frame.Left, r->Frame.Top} : TPoint{};
}

TPoint ClientToScreen(HWND window, TPoint point) {
    for (TWindowRecord* r = wm::Find(window); r; r = wm::Find(r->Parent)) {
        point.X += r->Rect.Left + r->Frame.Left;
        point.Y += r->Rect.Top + r->Frame.Top;
    }
    return point;
}

TPoint ScreenToClient(HWND window, TPoint point) {
    TPoint origin = ClientToScreen(window, {0, 0});
    return {point.X - origin.X, point.Y - origin.Y};
}

bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    TWindowPos pos{window, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = r->Rect.Left;
        pos.y = r->Rect.Top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = r->Rect.Width();
        pos.cy = r->Rect.Height();
    }
    SendMessage(window, WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
    r = wm::Find(window);
    if (!r)
        return false;
    pos.x = ClampPosition(pos.x);
    pos.y = ClampPosition(pos.y);
    pos.cx = ClampSize(pos.cx);
    pos.cy = ClampSize(pos.cy);
    TRect old = r->Rect;
    TRect next = old;
    if (!(pos.flags & SWP_NOMOVE))
        next = Bounds(pos.x, pos.y, old.Width(), old.Height());
    if (!(pos.flags & SWP_NOSIZE))
        next = Bounds(next.Left, next.Top, std::max(0, pos.cx), std::max(0, pos.cy));
    bool moved = next.Left != old.Left || next.Top != old.Top;
    bool sized = next.Width() != old.Width() || next.Height() != old.Height();
    r->Rect = next;
    if (sized || (pos.flags & SWP_FRAMECHANGED))
        wm::RecalcFrame(window);
    if (moved || sized)
        wm::SyncWidgetGeometry(window);
    if (!(pos.flags & SWP_NOZORDER) && r->Widget) {
        if (pos.hwndInsertAfter == HWND_TOP) {
            if (r->Parent || CanRaise())
                r->Widget->raise();
        } else if (pos.hwndInsertAfter == HWND_BOTTOM) {
            if (r->Parent || CanRaise())
                r->Widget->lower();
        } else if (TWindowRecord* after = wm::Find(pos.hwndInsertAfter)) {
            if (after->Widget && after->Parent == r->Parent)
                r->Widget->stackUnder(after->Widget);
        }
    }
    if (sized && r->Widget && !(pos.flags & SWP_NOREDRAW))
        r->Widget->InvalidateArea(r->Widget->rect(), true);
    bool show = pos.flags & SWP_SHOWWINDOW;
    bool hide = pos.flags & SWP_HIDEWINDOW;
    if (show && !r->Shown) {
        SetShownFlag(*r, true);
        ShowWidget(*r, true);
    } else if (hide && r->Shown) {
        SetShownFlag(*r, false);
        CancelCaptureWithin(window);
        if (r->Parent)
            KillFocusWithin(window);
        ShowWidget(*r, false);
        if (State().Active == window)
            wm::ActivateNextWindow(window);
    }
    if (!wm::Find(window))
        return true;
    if (!(pos.flags & SWP_NOMOVE) && !moved)
        pos.flags |= SWP_NOMOVE;
    if (!(pos.flags & SWP_NOSIZE) && !sized)
        pos.flags |= SWP_NOSIZE;
    pos.x = next.Left;
    pos.y = next.Top;
    pos.cx = next.Width();
    pos.cy = next.Height();
    SendMessage(window, WM_WINDOWPOSCHANGED, 0, LPARAM(&pos));
    r = wm::Find(window);
    if (r && IsTopLevel(*r) && r->Shown && !(pos.flags & SWP_NOACTIVATE))
        SetActiveWindow(window);
    return true;
}

bool MoveWindow(HWND window, int x, int y, int cx, int cy) {
    return SetWindowPos(window, 0, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShowWindow(HWND window, int command) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    bool wasVisible = r->Shown;
    UINT noActivate = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    switch (command) {
    case SW_HIDE:
        if (r->Shown) {
            SendMessage(window, WM_SHOWWINDOW, 0, 0);
            SetWindowPos(window, 0, 0, 0, 0, 0, noActivate | SWP_HIDEWINDOW);
        }
        break;
    case SW_SHOWMAXIMIZED:
        if (!r->Shown)
            SendMessage(window, WM_SHOWWINDOW, 1, 0);
        Maximize(*r);
        SetWindowPos(window, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        if (!r->Shown) {
            SendMessage(window, WM_SHOWWINDOW, 1, 0);
            SetWindowPos(window, 0, 0, 0, 0, 0, noActivate | SWP_SHOWWINDOW);
        }
        Minimize(*r);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (!r->Shown)
            SendMessage(window, WM_SHOWWINDOW, 1, 0);
        Restore(*r);
        SetWindowPos(window, 0, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW |
                         (r->Parent ? SWP_NOACTIVATE | SWP_NOZORDER : 0));
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (!r->Shown) {
            SendMessage(window, WM_SHOWWINDOW, 1, 0);
            SetWindowPos(window, 0, 0, 0, 0, 0, noActivate | SWP_SHOWWINDOW);
        }
        break;
    default: // SW_SHOW
        if (!r->Shown)
            SendMessage(window, WM_SHOWWINDOW, 1, 0);
        SetWindowPos(window, 0, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW |
                         (r->Parent ? SWP_NOACTIVATE | SWP_NOZORDER : 0));
        break;
    }
    return wasVisible;
}

bool IsWindowVisible(HWND window) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    for (; r; r = wm::Find(r->Parent))
        if (!r->Shown)
            return false;
    return true;
}

bool IsIconic(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r && r->Minimized;
}

bool IsZoomed(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r && r->Maximized;
}

HWND WindowFromPoint(TPoint screenPoint) {
    // Top-level windows in activation order, then the deepest shown child under the point.
    for (HWND top : State().TopLevels) {
        TWindowRecord* r = wm::Find(top);
        if (!r || !r->Shown || r->Minimized || !r->Rect.Contains(screenPoint))
            continue;
        HWND found = top;
        bool descended = true;
        while (descended) {
            descended = false;
            TWindowRecord* current = wm::Find(found);
            TPoint local = ScreenToClient(found, screenPoint);
            for (auto it = current->Children.rbegin(); it != current->Children.rend(); ++it) {
                TWindowRecord* child = wm::Find(*it);
                if (child && child->Shown && child->Rect.Contains(local)) {
                    found = *it;
                    descended = true;
                    break;
                }
            }
        }
        return found;
    }
    return 0;
}

bool EnableWindow(HWND window, bool enable) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return false;
    bool wasDisabled = !r->Enabled;
    if (r->Enabled == enable)
        return wasDisabled;
    if (!enable) {
        SendMessage(window, WM_CANCELMODE, 0, 0);
        r = wm::Find(window);
        if (!r)
            return wasDisabled;
        CancelCaptureWithin(window);
        r->Enabled = false;
        r->Style |= WS_DISABLED;
        KillFocusWithin(window);
    } else {
        r->Enabled = true;
        r->Style &= ~uint32_t(WS_DISABLED);
    }
    SendMessage(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND window) {
    TWindowRecord* r = wm::Find(window);
    return r && r->Enabled;
}

HWND GetFocus() {
    return State().Focus;
}

HWND SetFocus(HWND window) {
    TState& s = State();
    HWND old = s.Focus;
    if (window == old)
        return old;
    if (window) {
        if (!wm::InputEnabled(window))
            return 0;
        HWND top = GetAncestorRoot(window);
        if (top != s.Active) {
            SetActiveWindow(top);
            if (s.Focus == window)
                return old;
            if (!wm::InputEnabled(window))
                return 0;
        }
    }
    HWND previous = s.Focus;
    s.Focus = window;
    if (previous && wm::Find(previous))
        SendMessage(previous, WM_KILLFOCUS, window, 0);
    if (window && s.Focus == window && wm::Find(window))
        SendMessage(window, WM_SETFOCUS, previous, 0);
    return old;
}

HWND GetActiveWindow() {
    return State().Active;
}

HWND SetActiveWindow(HWND window) {
    TState& s = State();
    HWND old = s.Active;
    if (window == old)
        return old;
    TWindowRecord* r = wm::Find(window);
    if (window && (!r || r->Parent || !r->Enabled || r->Destroying))
        return 0;
    s.Active = window;
    if (window) {
        s.TopLevels.erase(std::remove(s.TopLevels.begin(), s.TopLevels.end(), window),
                          s.TopLevels.end());
        s.TopLevels.insert(s.TopLevels.begin(), window);
    }
    if (old && wm::Find(old)) {
        SendMessage(old, WM_NCACTIVATE, 0, 0);
        if (s.Active == window)
            SendMessage(old, WM_ACTIVATE, WA_INACTIVE, LPARAM(window));
    }
    if (!window) {
        if (s.Focus) {
            HWND focus = s.Focus;
            s.Focus = 0;
            if (wm::Find(focus))
                SendMessage(focus, WM_KILLFOCUS, 0, 0);
        }
        return old;
    }
    if (s.Active != window || !wm::Find(window))
        return old;
    r = wm::Find(window);
    if (r->Widget && r->Shown) {
        if (CanRaise())
            r->Widget->raise();
        r->Widget->activateWindow();
        r->Widget->setFocus(Qt::ActiveWindowFocusReason);
    }
    SendMessage(window, WM_NCACTIVATE, 1, 0);
    if (s.Active == window && wm::Find(window))
        SendMessage(window, WM_ACTIVATE, WA_ACTIVE, LPARAM(old));
    return old;
}

HWND SetCapture(HWND window) {
    TState& s = State();
    HWND old = s.Capture;
    if (window && !wm::Find(window))
        return old;
    s.Capture = window;
    if (old && old != window && wm::Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(window));
    return old;
}

bool ReleaseCapture() {
    TState& s = State();
    HWND old = s.Capture;
    s.Capture = 0;
    if (old && wm::Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    return State().Capture;
}

void EnumTopLevelWindows(const std::function<void(HWND)>& visit) {
    for (HWND h : State().TopLevels)
        if (wm::Find(h))
            visit(h);
}

} // namespace ui
