#include "toolkit/forms/title_bar.h"

#include <cmath>

#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/forms/gradient_fill.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {

constexpr ui::TColor DefaultStartColor = 0x4D3004;
constexpr ui::TColor DefaultEndColor = 0xEFEFEF;
constexpr ui::TColor GrayedCaptionColor = 0x808080;

// The platform's Round: halves go to the even neighbour.
int RoundHalfEven(double value) {
    return int(std::nearbyint(value));
}

int OwnerPixelsPerInch(ui::TComponent* owner) {
    if (auto* form = dynamic_cast<ui::TCustomForm*>(owner))
        return form->PixelsPerInch();
    return 96;
}

} // namespace

TTitleBar::TTitleBar(ui::TComponent* owner) : ui::TGraphicControl(owner) {
    Font().SetName("Ms Sans Serif");
    Font().SetStyle(ui::fsBold);
    Scara = OwnerPixelsPerInch(owner) / 96.0;
    Font().SetSize(Scara == 1.0 ? 10 : 11);
    Font().SetColor(ui::clBlack);
    FIconStyle = isNone;
    UpdateLayout();
    SetHeight(RoundHalfEven(25 * Scara));
    FVertical = false;
    FStartColor = DefaultStartColor;
    FEndColor = DefaultEndColor;
    SetColor(FStartColor);
    BmpIndex = -1;
}

void TTitleBar::SetVertical(bool value) {
    if (FVertical == value)
        return;
    FVertical = value;
    Invalidate();
}

void TTitleBar::SetStartColor(ui::TColor value) {
    if (FStartColor == value)
        return;
    FStartColor = value;
    Invalidate();
}

void TTitleBar::SetEndColor(ui::TColor value) {
    if (FEndColor == value)
        return;
    FEndColor = value;
    Invalidate();
}

void TTitleBar::SetCaptionColor(ui::TColor value) {
    if (Font().Color() == value)
        return;
    Font().SetColor(value);
    Invalidate();
}

void TTitleBar::SetCaption(const std::string& value) {
    if (Text() == value)
        return;
    SetText(value);
    Invalidate();
}

void TTitleBar::SetIconStyle(TIconStyle value) {
    if (FIconStyle == value)
        return;
    FIconStyle = value;
    UpdateLayout();
    Invalidate();
}

void TTitleBar::SetGrayed(bool value) {
    if (FGrayed == value)
        return;
    FGrayed = value;
    // The caption is rewritten at once over the band already on screen; a bar that is not on
    // screen shows the change at its next paint.
    if (Visible() && Parent() && Parent()->HandleAllocated())
        DrawCaption();
}

void TTitleBar::SetBounds(int left, int top, int width, int height) {
    ui::TGraphicControl::SetBounds(left, top, width, height);
    UpdateLayout();
}

void TTitleBar::Dispatch(ui::TMessage& message) {
    if (message.Msg == ui::WM_SIZE)
        UpdateLayout();
    ui::TGraphicControl::Dispatch(message);
}

void TTitleBar::UpdateLayout() {
    if (FIconStyle != isNone)
        IconSpace = (IconFaceBitmap ? IconFaceBitmap->Width() : 0) / 2 + 15;
    else
        IconSpace = 10;
    FWidth = Width() - IconSpace - 10;
}

void TTitleBar::Paint() {
    ui::TCanvas& canvas = Canvas();
    ui::TRect client = ClientRect();
    if (HighColorDisplay && FStartColor != FEndColor) {
        if (FVertical)
            FillGradientV(canvas, client, FStartColor, FEndColor);
        else
            FillGradientH(canvas, client, FStartColor, FEndColor);
    } else {
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(FStartColor);
        canvas.FillRect(client);
    }
    DrawCaption();
}

void TTitleBar::DrawCaption() {
    ui::TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    canvas.Font().SetColor(FGrayed ? GrayedCaptionColor : Font().Color());
    ui::TRect measure = ui::Rect(0, 0, ui::Screen()->Width() / 2, 0);
    int h =
        ui::DrawText(canvas, Text(), measure, ui::DT_CALCRECT | ui::DT_CENTER | ui::DT_NOPREFIX);
    int top = (Height() - h) / 2;
    canvas.Brush().SetStyle(ui::bsClear);
    int x = RoundHalfEven(5 * Scara) + IconSpace;
    // Cut at the right edge of the caption's room: never wrapped, never shortened.
    canvas.TextRect(ui::Bounds(x, top, FWidth, top + h), x, top, Text());
}

} // namespace tk
