// The default window procedure: what a window does with a message its control leaves alone.
#include <algorithm>
#include <cstring>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/window/system_menu.h"
#include "platform/ui/window/window_manager.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

namespace {

HWND g_closePressed = 0;

int CursorForHitTest(LRESULT hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return -9; // crSizeWE
    case HTTOP:
    case HTBOTTOM:
        return -7; // crSizeNS
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return -8; // crSizeNWSE
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return -6; // crSizeNESW
    default:
        return -2; // crArrow
    }
}

bool IsSizingHit(LRESULT hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

// Top-level windows whose size is bounded by their minimum and maximum tracking sizes.
bool HasTrackingLimits(const TWindowRecord& r) {
    return r.Parent == 0 && ((r.Style & WS_THICKFRAME) || !(r.Style & (WS_POPUP | WS_CHILD)));
}

void ClampToTrackingSize(HWND window, TWindowPos& pos) {
    TMinMaxInfo info;
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    info.ptMaxSize = {w, h};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(window, WM_GETMINMAXINFO, 0, LPARAM(&info));
    pos.cx = std::clamp(pos.cx, info.ptMinTrackSize.X,
                        std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
    pos.cy = std::clamp(pos.cy, info.ptMinTrackSize.Y,
                        std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
}

void SendMoveAndSize(HWND window, const TWindowPos& pos) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return;
    if (!(pos.flags & SWP_NOMOVE)) {
        TPoint client{r->Rect.Left + r->Frame.Left, r->Rect.Top + r->Frame.Top};
        SendMessage(window, WM_MOVE, 0, PointToLParam(client));
    }
    r = wm::Find(window);
    if (r && !(pos.flags & SWP_NOSIZE)) {
        TRect client;
        GetClientRect(window, client);
        WPARAM type = r->Maximized ? SIZE_MAXIMIZED : r->Minimized ? SIZE_MINIMIZED : SIZE_RESTORED;
        SendMessage(window, WM_SIZE, type, MakeLParam(client.Width(), client.Height()));
    }
}

} // namespace

void DefWindowProc(HWND window, TMessage& m) {
    TWindowRecord* r = wm::Find(window);
    m.Result = 0;
    if (!r)
        return;
    switch (m.Msg) {
    case WM_NCCREATE:
        m.Result = 1;
        break;
    case WM_NCCALCSIZE: {
        auto* params = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
        TRect frame = wm::DefaultFrame(r->Style, r->ExStyle);
        TRect& c = params->rgrc[0];
        c = {c.Left + frame.Left, c.Top + frame.Top, c.Right - frame.Right,
             c.Bottom - frame.Bottom};
        if (c.Right < c.Left)
            c.Right = c.Left;
        if (c.Bottom < c.Top)
            c.Bottom = c.Top;
        break;
    }
    case WM_NCHITTEST:
        m.Result = wm::DefaultHitTest(window, PointFromLParam(m.LParam));
        break;
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(window);
        if (dc)
            wm::PaintDefaultFrame(window, *dc);
        ReleaseDC(window, dc);
        break;
    }
    case WM_NCACTIVATE:
        if (r->Widget)
            r->Widget->InvalidateFrame();
        m.Result = 1;
        break;
    case WM_PAINT: {
        if (m.WParam)
            break; // painting into a given device context: nothing to validate
        TPaintStruct paint;
        BeginPaint(window, paint);
        EndPaint(window, paint);
        break;
    }
    case WM_SETCURSOR: {
        LRESULT hit = LRESULT(int16_t(LoWord(uintptr_t(m.LParam))));
        UINT mouse = HiWord(uintptr_t(m.LParam));
        if (r->Parent && !IsSizingHit(hit) &&
            SendMessage(r->Parent, WM_SETCURSOR, m.WParam, m.LParam)) {
            m.Result = 1;
            break;
        }
        if (hit == HTERROR) {
            if (mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN || mouse == WM_MBUTTONDOWN) {
                MessageBeep(0);
                TWindowRecord* active = wm::Find(GetActiveWindow());
                if (active && active->Widget)
                    active->Widget->raise();
            }
            break;
        }
        SetCursorShape(CursorForHitTest(hit));
        break;
    }
    case WM_MOUSEACTIVATE:
        if (r->Parent) {
            m.Result = SendMessage(r->Parent, WM_MOUSEACTIVATE, m.WParam, m.LParam);
            if (m.Result)
                break;
        }
        m.Result = 1; // MA_ACTIVATE
        break;
    case WM_NCLBUTTONDOWN: {
        LRESULT hit = LRESULT(m.WParam);
        TPoint screen = PointFromLParam(m.LParam);
        if (hit == HTCAPTION && !r->Maximized)
            wm::BeginMoveSize(window, hit, screen);
        else if (IsSizingHit(hit) && !r->Maximized)
            wm::BeginMoveSize(window, hit, screen);
        else if (hit == HTCLOSE)
            g_closePressed = window;
        break;
    }
    case WM_NCLBUTTONUP:
        if (LRESULT(m.WParam) == HTCLOSE && g_closePressed == window)
            SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, m.LParam);
        g_closePressed = 0;
        break;
    case WM_NCLBUTTONDBLCLK:
        if (LRESULT(m.WParam) == HTCAPTION && (r->Style & WS_MAXIMIZEBOX))
            SendMessage(window, WM_SYSCOMMAND, r->Maximized ? SC_RESTORE : SC_MAXIMIZE, m.LParam);
        break;
    case WM_RBUTTONUP:
        SendMessage(window, WM_CONTEXTMENU, window,
                    PointToLParam(ClientToScreen(window, PointFromLParam(m.LParam))));
        break;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if (r->Parent)
            m.Result = SendMessage(r->Parent, m.Msg, m.WParam, m.LParam);
        break;
    case WM_SYSCOMMAND:
        switch (m.WParam & 0xFFF0) {
        case SC_CLOSE:
            // A greyed close command of the window menu keeps the window open.
            if (!IsSystemCloseDisabled(window))
                SendMessage(window, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            ShowWindow(window, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(window, SW_SHOWMAXIMIZED);
            break;
        case SC_RESTORE:
            ShowWindow(window, SW_RESTORE);
            break;
        case SC_KEYMENU:
            // No menu bar answers the key.
            MessageBeep(0);
            break;
        default:
            break;
        }
        break;
    case WM_CLOSE:
        DestroyWindow(window);
        break;
    case WM_SYSKEYDOWN:
        if (m.WParam == VK_F4 && (m.LParam & KF_ALTDOWN_LPARAM))
            SendMessage(GetAncestorRoot(window), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case WM_SYSCHAR:
        if (m.WParam != VK_SPACE)
            SendMessage(GetAncestorRoot(window), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(m.WParam));
        break;
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<TWindowPos*>(m.LParam);
        if (!(pos->flags & SWP_NOSIZE) && HasTrackingLimits(*r) && !r->Maximized)
            ClampToTrackingSize(window, *pos);
        break;
    }
    case WM_WINDOWPOSCHANGED:
        SendMoveAndSize(window, *reinterpret_cast<TWindowPos*>(m.LParam));
        break;
    case WM_ACTIVATE:
        if (LoWord(m.WParam) != WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != window && !IsChild(window, focus))
                SetFocus(window);
        }
        break;
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        r->Text = text ? text : "";
        if (r->Widget && (r->Style & WS_CAPTION) == WS_CAPTION)
            r->Widget->InvalidateFrame();
        m.Result = 1;
        break;
    }
    case WM_GETTEXTLENGTH:
        m.Result = LRESULT(r->Text.size());
        break;
    case WM_GETTEXT: {
        char* buffer = reinterpret_cast<char*>(m.LParam);
        size_t size = size_t(m.WParam);
        if (buffer && size > 0) {
            size_t n = std::min(size - 1, r->Text.size());
            std::memcpy(buffer, r->Text.data(), n);
            buffer[n] = '\0';
            m.Result = LRESULT(n);
        }
        break;
    }
    case WM_CANCELMODE:
        if (GetCapture() == window)
            ReleaseCapture();
        if (wm::MoveSizeActive())
            wm::EndMoveSize();
        break;
    default:
        break;
    }
}

} // namespace ui
