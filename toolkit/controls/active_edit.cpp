#include "toolkit/controls/active_edit.h"

#include <algorithm>

#include "platform/sys/utf16.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/active_flat_border.h"

namespace tk {

TActiveEdit::TActiveEdit(ui::TComponent* owner) : ui::TEdit(owner) {
    UpdateTextMargin();
}

TActiveEdit::~TActiveEdit() = default;

void TActiveEdit::SetAlignment(ui::TAlignment value) {
    if (FAlignment == value)
        return;
    FAlignment = value;
    RecreateWnd();
}

void TActiveEdit::SetAssocLabel(TActiveLabel* value) {
    FLabel.SetLabel(*this, value);
}

void TActiveEdit::SetBorderColor(ui::TColor value) {
    if (FBorderColor == value)
        return;
    FBorderColor = value;
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveEdit::SetBorderColorF(ui::TColor value) {
    if (FBorderColorF == value)
        return;
    FBorderColorF = value;
    Invalidate();
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveEdit::SetFlatStyle(bool value) {
    if (FFlatStyle == value)
        return;
    FFlatStyle = value;
    RecreateWnd();
}

void TActiveEdit::SetBevelOuter(ui::TPanelBevel value) {
    if (FBevelOuter == value)
        return;
    FBevelOuter = value;
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveEdit::UpdateTextMargin() {
    ui::HDC dc = ui::GetDC(0);
    if (!dc)
        return;
    // The screen context's own font stands for the system font.
    int systemHeight = dc->TextMetrics().tmHeight;
    dc->SetFont(Font());
    int fontHeight = dc->TextMetrics().tmHeight;
    ui::ReleaseDC(0, dc);
    FTextMargin = std::min(systemHeight, fontHeight) / 4;
}

bool TActiveEdit::FlatBorderShown() {
    return Ctl3D() && FFlatStyle && BorderStyle() == ui::bsSingle;
}

void TActiveEdit::DrawFlatBorder() {
    tk::DrawFlatBorder(*this, FBevelOuter, FFocused ? FBorderColorF : FBorderColor, Color());
}

void TActiveEdit::DoEnter() {
    FFocused = true;
    if (FAlignment != ui::taLeftJustify && PasswordChar() == 0)
        Invalidate();
    ui::TEdit::DoEnter();
    if (FAlignment != ui::taLeftJustify) {
        FOldAlignment = FAlignment;
        FAlignment = ui::taLeftJustify;
    }
    FLabel.Light();
    Invalidate();
    if (FlatBorderShown())
        DrawFlatBorder();
}

void TActiveEdit::DoExit() {
    ui::TEdit::DoExit();
    if (FOldAlignment != ui::taLeftJustify) {
        FAlignment = FOldAlignment;
        FOldAlignment = ui::taLeftJustify;
    }
    FFocused = false;
    FLabel.Restore();
    Invalidate();
    if (FlatBorderShown())
        DrawFlatBorder();
}

void TActiveEdit::Notification(ui::TComponent* component, ui::TOperation operation) {
    ui::TEdit::Notification(component, operation);
    if (operation == ui::opRemove)
        FLabel.Removed(component);
}

void TActiveEdit::PaintSingleFrame(ui::TCanvas& canvas) {
    if (BorderStyle() != ui::bsSingle || Ctl3D())
        return;
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(FBorderColor);
    canvas.FrameRect(ClientRect());
}

void TActiveEdit::PaintOwnText(ui::TCanvas& canvas) {
    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font().SetColor(0x808080);
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(Color());
    std::string text = Text();
    if (PasswordChar() != 0)
        text.assign(sys::Utf8Length(text), PasswordChar());
    ui::TRect client = ClientRect();
    int margin = BorderStyle() == ui::bsSingle ? FTextMargin - 2 : 0;
    int width = canvas.TextWidth(text);
    int x = FAlignment == ui::taRightJustify ? client.Right - width - margin
                                             : (client.Left + client.Right - width) / 2;
    canvas.TextRect(client, x, margin, text);
}

void TActiveEdit::PaintHandler(ui::TMessage& m) {
    bool platformPaints = FAlignment == ui::taLeftJustify || FFocused;
    ui::HDC dc = reinterpret_cast<ui::HDC>(m.WParam);
    ui::TPaintStruct paint;
    bool began = false;
    if (!dc) {
        dc = ui::BeginPaint(WindowHandle(), paint);
        began = true;
    }
    if (dc) {
        if (!FCanvas)
            FCanvas = std::make_unique<ui::TControlCanvas>(this);
        if (platformPaints) {
            ui::TMessage inner{ui::WM_PAINT, ui::WPARAM(dc), 0, 0};
            ui::TEdit::Dispatch(inner);
        }
        FCanvas->SetHandle(dc);
        if (!platformPaints)
            PaintOwnText(*FCanvas);
        PaintSingleFrame(*FCanvas);
        FCanvas->SetHandle(nullptr);
    }
    if (began)
        ui::EndPaint(WindowHandle(), paint);
    if (!platformPaints && FlatBorderShown())
        DrawFlatBorder();
}

void TActiveEdit::Dispatch(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::WM_PAINT:
        PaintHandler(m);
        return;
    case ui::WM_NCPAINT:
        ui::TEdit::Dispatch(m);
        if (FlatBorderShown())
            DrawFlatBorder();
        return;
    case ui::CM_FONTCHANGED:
        ui::TEdit::Dispatch(m);
        UpdateTextMargin();
        return;
    default:
        ui::TEdit::Dispatch(m);
        return;
    }
}

} // namespace tk
