#include "toolkit/controls/active_check_box.h"

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/controls/active_choice_caption.h"
#include "toolkit/controls/owner_draw.h"
#include "toolkit/forms/skin.h"

namespace tk {

TMCustomCheckBox::TMCustomCheckBox(ui::TComponent* owner)
    : ui::TButtonControl(owner), Canvas(std::make_unique<ui::TControlCanvas>(this)),
      FGlyph(std::make_unique<ui::TBitmap>()) {
    controlStyle_ = ui::csSetCaption | ui::csDoubleClicks;
    SetBounds(Left(), Top(), 97, 17);
    SetTabStop(true);
    FGlyph->OnChange = [this] { Invalidate(); };
}

TMCustomCheckBox::~TMCustomCheckBox() {
    FGlyph->OnChange = nullptr;
}

void TMCustomCheckBox::SetAlignment(ui::TAlignment value) {
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TMCustomCheckBox::SetCustomGlyph(bool value) {
    if (FCustomGlyph == value)
        return;
    FCustomGlyph = value;
    Invalidate();
}

void TMCustomCheckBox::SetGlyph(const ui::TBitmap& value) {
    FGlyph->Assign(value);
    Invalidate();
}

void TMCustomCheckBox::SetState(TCheckBoxState value) {
    if (FState == value)
        return;
    FState = value;
    Invalidate();
    Click();
}

void TMCustomCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TMCustomCheckBox::CreateParams(ui::TCreateParams& params) {
    ui::TButtonControl::CreateParams(params);
    params.Style |= ui::BS_OWNERDRAW;
    // No double-click messages: a quick second click toggles again.
    params.WindowClassStyle &= ~ui::CS_DBLCLKS;
}

void TMCustomCheckBox::DrawItem(const ui::TDrawItemStruct& item) {
    Canvas->SetHandle(item.hDC);
    ui::TCanvas& canvas = *Canvas;
    ui::TRect client = ClientRect();
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);

    ui::TBitmap& strip = FCustomGlyph ? *FGlyph : *AlteGlyph(glCheck);
    int w = strip.Width() / 3;
    int h = strip.Height();
    ui::TRect text = client;
    int boxX = 0;
    if (FAlignment == ui::taLeftJustify) {
        text.Right -= w;
        boxX = Width() - w;
    } else {
        text.Left += w;
    }
    canvas.SetFont(Font());
    int textHeight = canvas.TextHeight("Wg");
    int boxY = 0;
    if (h > textHeight)
        text = ui::OffsetRect(text, 0, (h - textHeight) / 2);
    else
        boxY = (textHeight - h) / 2;
    static const int frames[] = {1, 0, 2}; // by state: unchecked, checked, grayed
    DrawStripFrame(canvas, strip, frames[FState], w, boxX, boxY);

    bool focused = (item.itemState & ui::ODS_FOCUS) != 0;
    bool enabled = (item.itemState & ui::ODS_DISABLED) == 0;
    DrawChoiceCaption(canvas, Font(), Caption(), text, enabled, focused, ui::DT_TOP | ui::DT_LEFT);
    Canvas->SetHandle(nullptr);
}

void TMCustomCheckBox::Dispatch(ui::TMessage& m) {
    if (AnswerOwnerDraw(*this, m, [this](const ui::TDrawItemStruct& item) { DrawItem(item); }))
        return;
    switch (m.Msg) {
    case ui::CN_COMMAND:
        if (ui::HiWord(m.WParam) == ui::BN_CLICKED)
            Toggle();
        return;
    case ui::CM_DIALOGCHAR:
        if (ui::IsAccel(m.WParam, Caption()) && CanFocus()) {
            SetFocus();
            if (Focused())
                Toggle();
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
