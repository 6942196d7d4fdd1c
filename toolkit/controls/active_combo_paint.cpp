// The flat look of the active combo: its border and the painted drop-down button, redrawn
// after every message that can change them.
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/active_combo.h"
#include "toolkit/controls/active_flat_border.h"

namespace tk {

bool TActiveCombo::FlatBorderOnly() {
    return Ctl3D() && FFlatStyle && FBorderStyle == ui::bsSingle;
}

void TActiveCombo::WndProc(ui::TMessage& m) {
    if (m.Msg == ui::WM_NCPAINT && FlatBorderOnly()) {
        DrawBorder();
        return;
    }
    ui::TComboBox::WndProc(m);
    switch (m.Msg) {
    case ui::WM_SETFOCUS:
        FForceDrawFocused = true;
        RedrawFlat();
        break;
    case ui::WM_PAINT:
    case ui::WM_LBUTTONUP:
        RedrawFlat();
        break;
    case ui::CM_MOUSEENTER:
        if (m.LParam == 0) {
            FMouseInControl = true;
            RedrawFlat();
        }
        break;
    case ui::CM_MOUSELEAVE:
        if (m.LParam == 0) {
            FMouseInControl = false;
            RedrawFlat();
        }
        break;
    case ui::WM_KILLFOCUS:
        FForceDrawFocused = false;
        RedrawFlat();
        break;
    default:
        break;
    }
}

void TActiveCombo::RedrawFlat() {
    if (!HandleAllocated() || DestructionStarted())
        return;
    if (FFlatStyle)
        DrawBorder();
    DrawButton();
}

void TActiveCombo::DrawBorder() {
    ui::TColor outer = Color();
    if (FBorderStyle != ui::bsNone)
        outer = fFocused ? FBorderColorF : FBorderColor;
    DrawFlatBorder(*this, FBevelOuter, outer, Color());
}

ui::TRect TActiveCombo::FlatButtonRect() {
    ui::TRect client = ClientRect();
    return {client.Right - ui::GetSystemMetrics(ui::SM_CXHTHUMB) - 5, client.Top + 1,
            client.Right - 1, client.Bottom - 1};
}

void TActiveCombo::DrawButton() {
    if (!FFlatStyle)
        return;
    ui::HWND window = WindowHandle();
    ui::HDC dc = ui::GetDC(window);
    if (!dc)
        return;
    ui::TCanvas& canvas = *dc;
    ui::TColor borderCol = fFocused && FBevelOuter == ui::bvNone ? FBorderColorF : FBorderColor;
    if (borderCol == ui::clNone)
        borderCol = Color();
    ui::TRect client = ClientRect();
    ui::TRect button = FlatButtonRect();
    canvas.Pen().SetStyle(ui::psSolid);
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(FButtonColor);
    canvas.FillRect(button);
    ui::TRect strip{button.Left, button.Top, button.Left + 3, button.Bottom};
    canvas.Brush().SetColor(Color());
    canvas.FillRect(strip);
    ui::TRect frame{strip.Right, button.Top, button.Right, button.Bottom};

    bool dropped = DroppedDown();
    int pressed = dropped && FBevelOuter != ui::bvSpace ? 1 : 0;
    if (FBorderStyle == ui::bsNone || FBevelOuter == ui::bvNone) {
        canvas.Pen().SetColor(FBorderStyle == ui::bsNone ? Color() : borderCol);
        canvas.MoveTo(strip.Right - 1, strip.Top);
        canvas.LineTo(strip.Right - 1, strip.Bottom);
    }
    bool sunken = dropped && FMouseInControl;
    if (FBevelOuter == ui::bvLowered) {
        if (sunken)
            DrawBevelFrame(canvas, frame, ui::clBtnShadow, ui::clBtnHighlight);
        else
            DrawBevelFrame(canvas, frame, ui::clBtnHighlight, ui::clBtnShadow);
    } else if (FBevelOuter == ui::bvRaised && sunken) {
        DrawBevelFrame(canvas, frame, ui::clBtnShadow, ui::clBtnHighlight);
    }

    int r = client.Right;
    int t = client.Top;
    canvas.Pen().SetColor(FArrowColor);
    canvas.Brush().SetColor(FArrowColor);
    canvas.Polygon({{r - 13 + pressed, t + 8 + pressed},
                    {r - 7 + pressed, t + 8 + pressed},
                    {r - 10 + pressed, t + 11 + pressed}});
    ui::ReleaseDC(window, dc);
}

} // namespace tk
