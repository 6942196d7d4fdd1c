#include "platform/ui/stdctrls/label.h"

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csOpaque | csReplicatable;
    SetBounds(Left(), Top(), 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (alignment_ == value)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (showAccelChar_ == value)
        return;
    showAccelChar_ = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (layout_ == value)
        return;
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (wordWrap_ == value)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (Transparent() == value)
        return;
    if (value)
        controlStyle_ &= ~TControlStyle(csOpaque);
    else
        controlStyle_ |= csOpaque;
    Invalidate();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    std::string text = GetLabelText();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += ' ';
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    canvas.SetFont(Font());
    if (!Enabled()) {
        rect = OffsetRect(rect, 1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawText(canvas, text, rect, flags);
        rect = OffsetRect(rect, -1, -1);
        canvas.Font().SetColor(clBtnShadow);
        DrawText(canvas, text, rect, flags);
    } else {
        DrawText(canvas, text, rect, flags);
    }
}

void TCustomLabel::Paint() {
    static const unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    TRect rect = client;
    unsigned flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignments[alignment_];
    if (layout_ != tlTop) {
        TRect calc = rect;
        DoDrawText(canvas, calc, flags | DT_CALCRECT);
        int dy = layout_ == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
        rect = OffsetRect(rect, 0, dy);
    }
    DoDrawText(canvas, rect, flags);
}

void TCustomLabel::AdjustBounds() {
    if (InState(csReading | csLoading) || !autoSize_)
        return;
    HDC dc = GetDC(0);
    if (!dc)
        return;
    TRect rect = ClientRect();
    DoDrawText(*dc, rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    ReleaseDC(0, dc);
    int x = Left();
    if (alignment_ == taRightJustify)
        x += Width() - rect.Right;
    SetBounds(x, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        Invalidate();
        AdjustBounds();
        return;
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(m);
        AdjustBounds();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(m.WParam, Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            m.Result = 1;
        }
        return;
    default:
        TGraphicControl::Dispatch(m);
        return;
    }
}

} // namespace ui
