// Window frames: the widths a style gives the non-client area, their painting, the default hit
// test, and the move and size loops that caption and border answers start.
#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

bool HasCaption(uint32_t style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

bool HasDialogFrame(uint32_t style, uint32_t exStyle) {
    return (exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME));
}

// The outer border (everything but the caption and the client edge).
int OuterBorder(uint32_t style, uint32_t exStyle) {
    int adjust = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        adjust = 1;
    else if (HasDialogFrame(style, exStyle))
        adjust = 2;
    if (style & WS_THICKFRAME)
        adjust += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME))
        adjust++;
    return adjust;
}

int CaptionHeight(uint32_t exStyle) {
    return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

TRect CaptionRect(const TWindowRecord& r) {
    int border = OuterBorder(r.Style, r.ExStyle);
    return {border, border, r.Rect.Width() - border, border + CaptionHeight(r.ExStyle) - 1};
}

TRect CloseButtonRect(const TWindowRecord& r) {
    TRect caption = CaptionRect(r);
    int h = caption.Height() - 4;
    int w = h + 2;
    return {caption.Right - 2 - w, caption.Top + 2, caption.Right - 2, caption.Top + 2 + h};
}

struct TMoveSizeState {
    HWND Window = 0;
    LRESULT Hit = HTNOWHERE;
    TPoint Start;
    TRect StartRect;
};

TMoveSizeState& MoveSize() {
    static TMoveSizeState state;
    return state;
}

} // namespace

namespace wm {

TRect DefaultFrame(uint32_t style, uint32_t exStyle) {
    int border = OuterBorder(style, exStyle);
    TRect frame{border, border, border, border};
    if (HasCaption(style))
        frame.Top += CaptionHeight(exStyle);
    if (exStyle & WS_EX_CLIENTEDGE) {
        frame.Left += GetSystemMetrics(SM_CXEDGE);
        frame.Right += GetSystemMetrics(SM_CXEDGE);
        frame.Top += GetSystemMetrics(SM_CYEDGE);
        frame.Bottom += GetSystemMetrics(SM_CYEDGE);
    }
    return frame;
}

void PaintDefaultFrame(HWND window, TCanvas& dc) {
    TWindowRecord* r = Find(window);
    if (!r)
        return;
    TRect rect{0, 0, r->Rect.Width(), r->Rect.Height()};
    TRect client{r->Frame.Left, r->Frame.Top, rect.Right - r->Frame.Right,
                 rect.Bottom - r->Frame.Bottom};
    bool active = GetActiveWindow() == GetAncestorRoot(window);
    dc.Pen().SetStyle(psSolid);
    dc.Brush().SetStyle(bsSolid);

    if ((r->ExStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) {
        DrawEdge(dc, rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    } else if (HasDialogFrame(r->Style, r->ExStyle)) {
        DrawEdge(dc, rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
    }
    if (r->Style & WS_THICKFRAME) {
        int width = GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
        dc.Brush().SetColor(active ? clActiveBorder : clInactiveBorder);
        for (int i = 0; i < width; ++i) {
            dc.FrameRect(rect);
            rect = InflateRect(rect, -1, -1);
        }
    }
    if ((r->Style & (WS_BORDER | WS_DLGFRAME)) || (r->ExStyle & WS_EX_DLGMODALFRAME)) {
        bool plainBorder = !HasDialogFrame(r->Style, r->ExStyle);
        dc.Brush().SetColor(plainBorder ? clWindowFrame : clBtnFace);
        dc.FrameRect(rect);
        rect = InflateRect(rect, -1, -1);
    }
    if (HasCaption(r->Style)) {
        TRect caption{rect.Left, rect.Top, rect.Right, rect.Top + CaptionHeight(r->ExStyle) - 1};
        dc.Brush().SetColor(active ? clActiveCaption : clInactiveCaption);
        dc.FillRect(caption);
        dc.Brush().SetColor(clBtnFace);
        dc.FillRect({caption.Left, caption.Bottom, caption.Right, caption.Bottom + 1});
        TRect textRect{caption.Left + 4, caption.Top, caption.Right - 4, caption.Bottom};
        if (r->Style & WS_SYSMENU) {
            TRect box = CloseButtonRect(*r);
            textRect.Right = box.Left - 2;
            TRect face = box;
            DrawEdge(dc, face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
            dc.Pen().SetColor(clBtnText);
            int cx = (box.Left + box.Right) / 2 - 1;
            int cy = (box.Top + box.Bottom) / 2 - 1;
            for (int d = -3; d <= 3; ++d) {
                dc.SetPixel(cx + d, cy + d, clBtnText);
                dc.SetPixel(cx + d + 1, cy + d, clBtnText);
                dc.SetPixel(cx + d, cy - d, clBtnText);
                dc.SetPixel(cx + d + 1, cy - d, clBtnText);
            }
        }
        TFont font;
        font.SetName("MS Sans Serif");
        font.SetHeight(-11);
        font.SetStyle(fsBold);
        font.SetColor(active ? clCaptionText : clInactiveCaptionText);
        dc.SetFont(font);
        dc.Brush().SetStyle(bsClear);
        DrawText(dc, r->Text, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        dc.Brush().SetStyle(bsSolid);
    }
    if (r->ExStyle & WS_EX_CLIENTEDGE) {
        TRect edge = InflateRect(client, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
        DrawEdge(dc, edge, EDGE_SUNKEN, BF_RECT);
    }
}

LRESULT DefaultHitTest(HWND window, TPoint screen) {
    TWindowRecord* r = Find(window);
    if (!r)
        return HTNOWHERE;
    TRect windowRect;
    GetWindowRect(window, windowRect);
    if (!windowRect.Contains(screen))
        return HTNOWHERE;
    TPoint p{screen.X - windowRect.Left, screen.Y - windowRect.Top};
    int w = windowRect.Width();
    int h = windowRect.Height();
    TRect client{r->Frame.Left, r->Frame.Top, w - r->Frame.Right, h - r->Frame.Bottom};
    if (client.Contains(p))
        return HTCLIENT;
    if ((r->Style & WS_THICKFRAME) && !r->Maximized) {
        int border = OuterBorder(r->Style, r->ExStyle);
        int corner = GetSystemMetrics(SM_CYCAPTION) + border;
        bool left = p.X < border, right = p.X >= w - border;
        bool top = p.Y < border, bottom = p.Y >= h - border;
        if (left || right || top || bottom) {
            if (top)
                return p.X < corner ? HTTOPLEFT : p.X >= w - corner ? HTTOPRIGHT : HTTOP;
            if (bottom)
                return p.X < corner ? HTBOTTOMLEFT : p.X >= w - corner ? HTBOTTOMRIGHT : HTBOTTOM;
            if (left)
                return p.Y < corner ? HTTOPLEFT : p.Y >= h - corner ? HTBOTTOMLEFT : HTLEFT;
            return p.Y < corner ? HTTOPRIGHT : p.Y >= h - corner ? HTBOTTOMRIGHT : HTRIGHT;
        }
    }
    if (HasCaption(r->Style)) {
        TRect caption = CaptionRect(*r);
        if (caption.Contains(p)) {
            if ((r->Style & WS_SYSMENU) && CloseButtonRect(*r).Contains(p))
                return HTCLOSE;
            return HTCAPTION;
        }
    }
    return HTBORDER;
}

void BeginMoveSize(HWND window, LRESULT hitTest, TPoint screen) {
    TWindowRecord* r = Find(window);
    if (!r)
        return;
    TMoveSizeState& s = MoveSize();
    s.Window = window;
    s.Hit = hitTest;
    s.Start = screen;
    s.StartRect = r->Rect;
    SetCapture(window);
    SendMessage(window, WM_ENTERSIZEMOVE, 0, 0);
}

bool MoveSizeActive() {
    return MoveSize().Window != 0 && Find(MoveSize().Window);
}

void ContinueMoveSize(TPoint screen) {
    TMoveSizeState& s = MoveSize();
    if (!Find(s.Window))
        return;
    int dx = screen.X - s.Start.X;
    int dy = screen.Y - s.Start.Y;
    TRect r = s.StartRect;
    if (s.Hit == HTCAPTION) {
        SetWindowPos(s.Window, 0, r.Left + dx, r.Top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    bool left = s.Hit == HTLEFT || s.Hit == HTTOPLEFT || s.Hit == HTBOTTOMLEFT;
    bool right = s.Hit == HTRIGHT || s.Hit == HTTOPRIGHT || s.Hit == HTBOTTOMRIGHT;
    bool top = s.Hit == HTTOP || s.Hit == HTTOPLEFT || s.Hit == HTTOPRIGHT;
    bool bottom = s.Hit == HTBOTTOM || s.Hit == HTBOTTOMLEFT || s.Hit == HTBOTTOMRIGHT;
    if (left)
        r.Left += dx;
    if (right)
        r.Right += dx;
    if (top)
        r.Top += dy;
    if (bottom)
        r.Bottom += dy;
    // The sizing loop keeps the window within its tracking sizes, whatever its style; the
    // edge that is not dragged stays where it is.
    TMinMaxInfo info;
    info.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(s.Window, WM_GETMINMAXINFO, 0, LPARAM(&info));
    int width = std::clamp(r.Width(), info.ptMinTrackSize.X,
                           std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
    int height = std::clamp(r.Height(), info.ptMinTrackSize.Y,
                            std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
    if (left)
        r.Left = r.Right - width;
    else
        r.Right = r.Left + width;
    if (top)
        r.Top = r.Bottom - height;
    else
        r.Bottom = r.Top + height;
    SetWindowPos(s.Window, 0, r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void EndMoveSize() {
    TMoveSizeState& s = MoveSize();
    HWND window = s.Window;
    s.Window = 0;
    if (GetCapture() == window)
        ReleaseCapture();
    if (Find(window))
        SendMessage(window, WM_EXITSIZEMOVE, 0, 0);
}

} // namespace wm
} // namespace ui
