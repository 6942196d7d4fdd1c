#include "toolkit/controls/radio_button.h"

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/controls/active_choice_caption.h"
#include "toolkit/controls/owner_draw.h"
#include "toolkit/forms/skin.h"

namespace tk {

TMRadioButton::TMRadioButton(ui::TComponent* owner)
    : ui::TButtonControl(owner), Canvas(std::make_unique<ui::TControlCanvas>(this)) {
    controlStyle_ = ui::csSetCaption | ui::csDoubleClicks;
    SetBounds(Left(), Top(), 113, 17);
}

TMRadioButton::~TMRadioButton() = default;

void TMRadioButton::SetAlignment(ui::TAlignment value) {
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TMRadioButton::SetChecked(bool value) {
    if (FChecked == value)
        return;
    FChecked = value;
    SetTabStop(value);
    Invalidate();
    if (!value)
        return;
    if (ui::TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TMRadioButton*>(parent->Controls(i));
            if (sibling && sibling != this)
                sibling->SetChecked(false);
        }
    }
    Click();
}

void TMRadioButton::CreateParams(ui::TCreateParams& params) {
    ui::TButtonControl::CreateParams(params);
    params.Style |= ui::BS_OWNERDRAW;
    params.WindowClassStyle &= ~ui::CS_DBLCLKS;
}

void TMRadioButton::DrawItem(const ui::TDrawItemStruct& item) {
    // Drawn off screen first, so the bullet and caption appear at once.
    ui::TBitmap picture(Width(), Height());
    ui::TCanvas& canvas = picture.Canvas();
    ui::TRect client{0, 0, Width(), Height()};
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);

    ui::TBitmap& strip = *AlteGlyph(glRadio);
    int w = strip.Width() / 2;
    int h = strip.Height();
    ui::TRect text = client;
    unsigned format = ui::DT_TOP;
    int bulletX = 0;
    if (FAlignment == ui::taLeftJustify) {
        bulletX = Width() - w;
        text.Right -= w;
        format |= ui::DT_RIGHT;
    } else {
        text.Left += w;
        format |= ui::DT_LEFT;
    }
    canvas.SetFont(Font());
    text = ui::OffsetRect(text, 0, (h - canvas.TextHeight("Wg")) / 2);
    DrawStripFrame(canvas, strip, FChecked ? 1 : 0, w, bulletX, 0);

    bool focused = (item.itemState & ui::ODS_FOCUS) != 0;
    bool enabled = (item.itemState & ui::ODS_DISABLED) == 0;
    DrawChoiceCaption(canvas, Font(), Caption(), text, enabled, focused, format);

    Canvas->SetHandle(item.hDC);
    Canvas->Draw(0, 0, picture);
    Canvas->SetHandle(nullptr);
}

void TMRadioButton::Dispatch(ui::TMessage& m) {
    if (AnswerOwnerDraw(*this, m, [this](const ui::TDrawItemStruct& item) { DrawItem(item); }))
        return;
    switch (m.Msg) {
    case ui::CN_COMMAND:
        if (ui::HiWord(m.WParam) == ui::BN_CLICKED)
            SetChecked(true);
        else if (ui::HiWord(m.WParam) == ui::BN_DOUBLECLICKED)
            DblClick();
        return;
    case ui::CM_DIALOGCHAR:
        if (ui::IsAccel(m.WParam, Caption()) && CanFocus()) {
            SetFocus();
            m.Result = 1;
            return;
        }
        break;
    case ui::CM_TEXTCHANGED:
    case ui::CM_FONTCHANGED:
    case ui::CM_COLORCHANGED:
    case ui::CM_ENABLEDCHANGED:
        ui::TButtonControl::Dispatch(m);
        Invalidate();
        return;
    default:
        break;
    }
    ui::TButtonControl::Dispatch(m);
}

} // namespace tk
