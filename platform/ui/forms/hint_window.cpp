#include "platform/ui/forms/hint_window.h"

#include "platform/ui/forms/application.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace ui {

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetColor(Application()->HintColor());
    Font().SetColor(clInfoText);
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = 0;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
    HDC dc = GetDC(0);
    dc->SetFont(Font());
    TRect r{0, 0, maxWidth, 0};
    DrawText(*dc, text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    ReleaseDC(0, dc);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text) {
    SetCaption(text);
    SetColor(Application()->HintColor());
    HWND handle = Handle();
    SetWindowPos(handle, HWND_TOP, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
    shown_ = true;
}

void THintWindow::ReleaseHint() {
    if (!shown_)
        return;
    shown_ = false;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), 0, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void THintWindow::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(r);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    TRect text = InflateRect(r, -2, -1);
    DrawText(canvas, Caption(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace ui
