// The frame of a titled form: the conversion of a sizeable form to the frameless modern look,
// the window style that goes with it, the hit-test answers that drag and size the window, and
// the painted border.
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/title_form.h"

namespace tk {

void TTitleForm::SetBorderStyle(ui::TFormBorderStyle value) {
    if (value != BorderStyle())
        TPaintedForm::SetBorderStyle(value);
    ApplyModernFrame();
}

void TTitleForm::CreateWnd() {
    FCreatingWindow = true;
    try {
        TPaintedForm::CreateWnd();
    } catch (...) {
        FCreatingWindow = false;
        throw;
    }
    FCreatingWindow = false;
}

void TTitleForm::CreateParams(ui::TCreateParams& params) {
    if (FCreatingWindow)
        ApplyModernFrame();
    TPaintedForm::CreateParams(params);
}

void TTitleForm::ApplyModernFrame() {
    if (!ModernLook || Designing())
        return;
    if (FormStyle() != ui::fsNormal || BorderStyle() != ui::bsSizeable || fWin10Sizeable)
        return;
    fWin10Sizeable = true;
    SetBorderStyle(ui::bsNone);
    if (BorderWidth() < 3)
        SetBorderWidth(3);
}

void TTitleForm::AdjustWindowStyle() {
    ui::HWND window = WindowHandle();
    uint32_t style = uint32_t(ui::GetWindowLong(window, ui::GWL_STYLE));
    if (fWin10Sizeable) {
        if (Scaled())
            SetScaled(false);
        style &= ~(ui::WS_BORDER | ui::WS_THICKFRAME);
        style |= ui::WS_MAXIMIZEBOX;
    } else {
        // A dialog keeps a thin border and loses the system caption.
        style &= ~ui::WS_DLGFRAME;
    }
    ui::SetWindowLong(window, ui::GWL_STYLE, int32_t(style));
}

ui::LRESULT TTitleForm::HitTest(ui::TPoint screen, ui::LRESULT defaultAnswer) {
    ui::TPoint p = ScreenToClient(screen);
    if (p.X >= 0 && p.X < ClientWidth() && p.Y >= 0 && p.Y < DragBandHeight)
        return ui::HTCAPTION;
    if (!fWin10Sizeable)
        return defaultAnswer;
    ui::TRect frame;
    if (!ui::GetWindowRect(WindowHandle(), frame))
        return defaultAnswer;
    int l = screen.X - frame.Left;
    int r = frame.Right - screen.X;
    int t = screen.Y - frame.Top;
    int b = frame.Bottom - screen.Y;
    const int e = SizingEdgeWidth;
    if (t < e && l < e)
        return ui::HTTOPLEFT;
    if (t < e && r < e)
        return ui::HTTOPRIGHT;
    if (b < e && l < e)
        return ui::HTBOTTOMLEFT;
    if (b < e && r < e)
        return ui::HTBOTTOMRIGHT;
    if (t < e)
        return ui::HTTOP;
    if (l < e)
        return ui::HTLEFT;
    if (b < e)
        return ui::HTBOTTOM;
    if (r < e)
        return ui::HTRIGHT;
    return defaultAnswer;
}

void TTitleForm::PaintFrame() {
    ui::HWND window = WindowHandle();
    ui::TRect frame;
    if (!window || !ui::GetWindowRect(window, frame))
        return;
    ui::HDC dc = ui::GetWindowDC(window);
    if (!dc)
        return;
    ui::TColor color = ui::TColor(ui::ColorToRGB(Color()));
    ui::TRect edge{0, 0, frame.Width(), frame.Height()};
    dc->Brush().SetStyle(ui::bsSolid);
    dc->Brush().SetColor(DarkenColor(color, 4));
    dc->FrameRect(edge);
    edge = ui::InflateRect(edge, -1, -1);
    dc->Brush().SetColor(LightenColor(color, 10));
    dc->FrameRect(edge);
    dc->Brush().SetColor(color);
    for (int i = 0; i < BorderWidth() - 2; ++i) {
        edge = ui::InflateRect(edge, -1, -1);
        dc->FrameRect(edge);
    }
    ui::ReleaseDC(window, dc);
}

} // namespace tk
