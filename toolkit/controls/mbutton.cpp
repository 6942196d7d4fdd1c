#include "toolkit/controls/mbutton.h"

#include "platform/ui/window/window_system.h"
#include "toolkit/controls/mbutton_kinds.h"
#include "toolkit/controls/owner_draw.h"

namespace tk {

TMButton::TMButton(ui::TComponent* owner)
    : ui::TButton(owner), FCanvas(std::make_unique<ui::TControlCanvas>(this)) {
    // A quick second click is another click, not a double click.
    controlStyle_ = (controlStyle_ | ui::csCaptureMouse) & ~ui::TControlStyle(ui::csDoubleClicks);
    SetBounds(Left(), Top(), 90, 40);
    SetDoubleBuffered(true);
    SetColor(ui::clBtnFace);
    SetCaption(KindCaption(mkCustom));
}

TMButton::~TMButton() = default;

void TMButton::CreateParams(ui::TCreateParams& params) {
    ui::TButton::CreateParams(params);
    params.Style |= ui::BS_OWNERDRAW;
}

void TMButton::SetColorOver(ui::TColor value) {
    if (FColorOver == value)
        return;
    FColorOver = value;
    Invalidate();
}

void TMButton::SetLightButton(bool value) {
    if (FLightButton == value)
        return;
    FLightButton = value;
    Invalidate();
}

void TMButton::SetGlyph(const ui::TBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TMButton::SetModalResult(ui::TModalResult value) {
    ui::TButton::SetModalResult(value);
    MRAssigned = true;
}

void TMButton::SetCaptionVisible(bool value) {
    if (FCaption == value)
        return;
    FCaption = value;
    Invalidate();
}

void TMButton::SetKind(TMButtonKind value) {
    if (FKind == value)
        return;
    // The navigation kinds are glyph-only buttons.
    if (value < mkAdd)
        SetCaptionVisible(false);
    if (Caption().empty())
        SetCaption(KindCaption(value));
    if (!MRAssigned)
        ui::TButton::SetModalResult(KindModalResult(value));
    FKind = value;
    Invalidate();
}

void TMButton::SetStyle(TButtonStyle value) {
    if (FStyle == value)
        return;
    FStyle = value;
    Invalidate();
}

void TMButton::SetMargin(int value) {
    if (FMargin == value)
        return;
    FMargin = value;
    Invalidate();
}

void TMButton::SetSpacing(int value) {
    if (FSpacing == value)
        return;
    FSpacing = value;
    Invalidate();
}

void TMButton::SetNumGlyphs(int value) {
    if (FNumGlyphs == value)
        return;
    FNumGlyphs = value;
    Invalidate();
}

void TMButton::SetButtonLayout(TButtonLayout value) {
    if (FButtonLayout == value)
        return;
    FButtonLayout = value;
    Invalidate();
}

ui::TColor TMButton::DisabledTextColor() {
    if (FDisableColor == -1)
        FDisableColor = DarkenColor(Color(), 3);
    return FDisableColor;
}

void TMButton::SetDrawFace(bool value) {
    if (FDrawFace == value)
        return;
    FDrawFace = value;
    Invalidate();
}

void TMButton::SetButtonStyle(bool isDefault) {
    ui::TButton::SetButtonStyle(isDefault);
    if (IsFocused == isDefault)
        return;
    IsFocused = isDefault;
    Invalidate();
}

void TMButton::DoEnter() {
    SetDrawFace(true);
    ui::TButton::DoEnter();
}

void TMButton::DoExit() {
    SetDrawFace(false);
    ui::TButton::DoExit();
}

void TMButton::MouseEntered() {
    if (FLightButton) {
        // Moving over a row of light buttons moves the focus along with the face.
        auto* focused = dynamic_cast<TMButton*>(ui::FindControl(ui::GetFocus()));
        if (focused && focused != this && focused->LightButton() && CanFocus())
            SetFocus();
    }
    SetDrawFace(true);
}

void TMButton::MouseLeft() {
    if (!Focused())
        SetDrawFace(false);
}

void TMButton::Dispatch(ui::TMessage& m) {
    if (AnswerOwnerDraw(*this, m, [this](const ui::TDrawItemStruct& item) { DrawItem(item); }))
        return;
    switch (m.Msg) {
    case ui::CM_MOUSEENTER:
        if (m.LParam == 0)
            MouseEntered();
        break;
    case ui::CM_MOUSELEAVE:
        if (m.LParam == 0)
            MouseLeft();
        break;
    default:
        break;
    }
    ui::TButton::Dispatch(m);
}

} // namespace tk
