#include "toolkit/controls/active_flat_border.h"

#include "platform/ui/window/window_system.h"

namespace tk {

void DrawBevelFrame(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor topLeft,
                    ui::TColor bottomRight) {
    if (rect.IsEmpty())
        return;
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(topLeft);
    canvas.FillRect({rect.Left, rect.Top, rect.Right - 1, rect.Top + 1});
    canvas.FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1});
    canvas.Brush().SetColor(bottomRight);
    canvas.FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
    canvas.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
}

void DrawFlatFrames(ui::TCanvas& canvas, const ui::TRect& rect, ui::TPanelBevel bevel,
                    ui::TColor outer, ui::TColor inner) {
    if (bevel == ui::bvRaised)
        DrawBevelFrame(canvas, rect, ui::clBtnHighlight, ui::clBtnShadow);
    else if (bevel != ui::bvNone)
        DrawBevelFrame(canvas, rect, ui::clBtnShadow, ui::clBtnHighlight);
    else {
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(outer);
        canvas.FrameRect(rect);
    }
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(inner);
    canvas.FrameRect(ui::InflateRect(rect, -1, -1));
}

void DrawFlatBorder(ui::TWinControl& control, ui::TPanelBevel bevel, ui::TColor outer,
                    ui::TColor inner) {
    if (!control.HandleAllocated())
        return;
    ui::HWND window = control.WindowHandle();
    ui::HDC dc = ui::GetWindowDC(window);
    if (!dc)
        return;
    DrawFlatFrames(*dc, {0, 0, control.Width(), control.Height()}, bevel, outer, inner);
    ui::ReleaseDC(window, dc);
}

} // namespace tk
