#include "platform/ui/stdctrls/panel.h"

#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"

namespace ui {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable;
    SetBounds(Left(), Top(), 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment value) {
    if (alignment_ == value)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value) {
    if (bevelInner_ == value)
        return;
    bevelInner_ = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel value) {
    if (bevelOuter_ == value)
        return;
    bevelOuter_ = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
    if (value < 1)
        value = 1;
    if (bevelWidth_ == value)
        return;
    bevelWidth_ = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetPanelBorderWidth(int value) {
    if (value < 0)
        value = 0;
    if (panelBorderWidth_ == value)
        return;
    panelBorderWidth_ = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle) {
        if (Ctl3D())
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
    params.WindowClassStyle &= ~uint32_t(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    int bevel = panelBorderWidth_;
    if (bevelOuter_ != bvNone)
        bevel += bevelWidth_;
    if (bevelInner_ != bvNone)
        bevel += bevelWidth_;
    rect = InflateRect(rect, -bevel, -bevel);
}

void TCustomPanel::Paint() {
    static const unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    auto colors = [](TPanelBevel bevel, TColor& top, TColor& bottom) {
        top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    };
    TColor top, bottom;
    if (bevelOuter_ != bvNone) {
        colors(bevelOuter_, top, bottom);
        Frame3D(canvas, rect, top, bottom, bevelWidth_);
    }
    Frame3D(canvas, rect, Color(), Color(), panelBorderWidth_);
    if (bevelInner_ != bvNone) {
        colors(bevelInner_, top, bottom);
        Frame3D(canvas, rect, top, bottom, bevelWidth_);
    }
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(rect);
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(Font());
    int fontHeight = canvas.TextHeight("W");
    rect.Top = (rect.Bottom + rect.Top - fontHeight) / 2;
    rect.Bottom = rect.Top + fontHeight;
    DrawText(canvas, Caption(), rect, DT_EXPANDTABS | DT_VCENTER | alignments[alignment_]);
}

void TCustomPanel::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_CTL3DCHANGED:
        if (borderStyle_ == bsSingle)
            RecreateWnd();
        TCustomControl::Dispatch(m);
        return;
    default:
        TCustomControl::Dispatch(m);
        return;
    }
}

} // namespace ui
