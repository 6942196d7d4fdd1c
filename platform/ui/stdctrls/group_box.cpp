#include "platform/ui/stdctrls/group_box.h"

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                    csDoubleClicks | csReplicatable;
    SetBounds(Left(), Top(), 185, 105);
}

int TCustomGroupBox::CaptionHeight() {
    HDC dc = GetDC(0);
    if (!dc)
        return 13;
    dc->SetFont(Font());
    int height = dc->TextHeight("0");
    ReleaseDC(0, dc);
    return height;
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    rect.Top += CaptionHeight();
    rect = InflateRect(rect, -1, -1);
}

void TCustomGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    int h = canvas.TextHeight("0");
    TRect frame = ClientRect();
    frame.Top += h / 2;
    DrawEdge(canvas, frame, Ctl3D() ? EDGE_ETCHED : BDR_OUTER, BF_RECT | (Ctl3D() ? 0 : BF_MONO));
    if (Caption().empty())
        return;
    TRect text{0, 0, 0, h};
    DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    text = {8, 0, std::min(8 + text.Width(), ClientWidth() - 8), h};
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    // The caption covers the frame's top edge where it stands.
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(text);
    canvas.Brush().SetStyle(bsClear);
    DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_LEFT | DT_END_ELLIPSIS);
}

void TCustomGroupBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(m.WParam, Caption()) && CanFocus()) {
            if (TWinControl* next = FindNextControl(nullptr, true, true, false))
                next->SetFocus();
            m.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        Realign();
        break;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(m);
        Realign();
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        // The caption is greyed while the group is disabled.
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(m);
}

} // namespace ui
