#include "toolkit/controls/nice_button.h"

#include "platform/ui/window/window_system.h"
#include "toolkit/controls/mbutton_kinds.h"
#include "toolkit/controls/nice_button_hit.h"
#include "toolkit/controls/owner_draw.h"

namespace tk {

TNiceButton* HoveredNiceButton = nullptr;

TNiceButton::TNiceButton(ui::TComponent* owner)
    : ui::TButton(owner), FCanvas(std::make_unique<ui::TControlCanvas>(this)) {
    controlStyle_ |= ui::csCaptureMouse | ui::csOpaque;
    SetBounds(0, 0, 100, 28);
    SetDoubleBuffered(true);
    SetText(KindCaption(mkCustom));
}

TNiceButton::~TNiceButton() {
    StopFlashTimer();
    if (HoveredNiceButton == this)
        HoveredNiceButton = nullptr;
}

void TNiceButton::CreateParams(ui::TCreateParams& params) {
    ui::TButton::CreateParams(params);
    params.Style |= ui::BS_OWNERDRAW;
    if (ModernLook)
        FBuffered = true;
}

void TNiceButton::LookChanged() {
    FBufferFilled = false;
    Invalidate();
}

void TNiceButton::SetCaptionVisible(bool value) {
    if (FCaptionV == value)
        return;
    FCaptionV = value;
    LookChanged();
}

void TNiceButton::SetGlyph(const ui::TBitmap& value) {
    FGlyph.Assign(value);
    LookChanged();
}

void TNiceButton::SetModalResult(ui::TModalResult value) {
    ui::TButton::SetModalResult(value);
    MRAssigned = true;
}

void TNiceButton::SetKind(TMButtonKind value) {
    if (FKind == value)
        return;
    if (!CpAssigned)
        SetText(KindCaption(value));
    if (!MRAssigned)
        ui::TButton::SetModalResult(KindModalResult(value));
    FKind = value;
    LookChanged();
}

void TNiceButton::SetCaption(const std::string& value) {
    CpAssigned = true;
    SetText(value);
    LookChanged();
}

void TNiceButton::SetNumGlyphs(int value) {
    if (FNumGlyphs == value)
        return;
    FNumGlyphs = value;
    LookChanged();
}

void TNiceButton::SetInsideDraw(bool value) {
    if (FInsideDraw == value)
        return;
    FInsideDraw = value;
    LookChanged();
}

void TNiceButton::SetStretch(bool value) {
    if (FStretch == value)
        return;
    FStretch = value;
    LookChanged();
}

void TNiceButton::SetBuffered(bool value) {
    if (FBuffered == value)
        return;
    FBuffered = value;
    LookChanged();
}

ui::TBitmap& TNiceButton::CurrentStrip() {
    if (FKind == mkCustom)
        return FGlyph;
    return *NiceButtonKindGlyph(FKind);
}

// The pressed look shows while ForcedDown holds; without the mouse holding the button down,
// a timer ends it after a moment.
void TNiceButton::SetForcedDown(bool value) {
    FForcedDown = value;
    if (value) {
        if (!FMouseDown)
            StartFlashTimer();
    } else {
        StopFlashTimer();
    }
    Invalidate();
}

void TNiceButton::StartFlashTimer() {
    StopFlashTimer();
    if (HandleAllocated())
        FTimer = ui::SetTimer(WindowHandle(), FlashTimerId, FlashMilliseconds);
    else
        FTimer =
            ui::SetTimer(0, 0, FlashMilliseconds,
                         [this](ui::HWND, ui::UINT, uintptr_t, uint32_t) { SetForcedDown(false); });
    FTimerWindow = FTimer && HandleAllocated() ? WindowHandle() : 0;
}

void TNiceButton::StopFlashTimer() {
    if (!FTimer)
        return;
    ui::KillTimer(FTimerWindow, FTimer);
    FTimer = 0;
    FTimerWindow = 0;
}

void TNiceButton::Click() {
    ui::TButton::Click();
    // A click from the keyboard shows the pressed look for a moment.
    if (!FMouseDown)
        SetForcedDown(true);
    if (Focused())
        SetDrawFace(true);
}

void TNiceButton::SetDrawFace(bool value) {
    if (value) {
        if (HoveredNiceButton && HoveredNiceButton != this)
            HoveredNiceButton->SetDrawFace(false);
        HoveredNiceButton = this;
    } else if (HoveredNiceButton == this) {
        HoveredNiceButton = nullptr;
    }
    if (FDrawFace == value)
        return;
    FDrawFace = value;
    Invalidate();
}

void TNiceButton::EnterHover() {
    if (!Enabled())
        return;
    // Moving over a row of flat buttons moves the focus along with the hover look.
    auto* focused = dynamic_cast<TNiceButton*>(ui::FindControl(ui::GetFocus()));
    if (focused && focused != this && CanFocus())
        SetFocus();
    SetDrawFace(true);
}

void TNiceButton::LeaveHover() {
    if (!Enabled() || Focused())
        return;
    SetDrawFace(false);
}

void TNiceButton::DoEnter() {
    SetDrawFace(true);
    // The caption's accelerator is underlined only while the button has the focus.
    FBufferFilled = false;
    ui::TButton::DoEnter();
}

void TNiceButton::DoExit() {
    SetDrawFace(false);
    FBufferFilled = false;
    ui::TButton::DoExit();
}

void TNiceButton::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    FMouseDown = true;
    ui::TButton::MouseDown(button, shift, x, y);
}

void TNiceButton::MouseMove(ui::TShiftState shift, int x, int y) {
    if (!FDrawFace)
        EnterHover();
    ui::TButton::MouseMove(shift, x, y);
}

void TNiceButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    FMouseDown = false;
    ui::TButton::MouseUp(button, shift, x, y);
}

bool TNiceButton::IsOnFace(ui::LPARAM pos) {
    if (FStretch || InState(ui::csDesigning))
        return true;
    TNiceFaceGeometry g;
    g.Width = Width();
    g.Height = Height();
    g.FaceHeight = NiceButtonFace ? NiceButtonFace->Height() : 0;
    g.GlyphWidth = GlyphWidth;
    g.GlyphHeight = GlyphHeight;
    g.CaptionVisible = FCaptionV;
    return NiceFaceContains(g, ScreenToClient(ui::PointFromLParam(pos)));
}

void TNiceButton::Dispatch(ui::TMessage& m) {
    if (AnswerOwnerDraw(*this, m, [this](const ui::TDrawItemStruct& item) { DrawItem(item); }))
        return;
    switch (m.Msg) {
    case ui::WM_NCHITTEST:
        ui::TButton::Dispatch(m);
        // Off the face the mouse passes by: no click, no hover.
        if (!IsOnFace(m.LParam)) {
            m.Result = ui::HTNOWHERE;
            if (FDrawFace)
                LeaveHover();
        }
        return;
    case ui::CM_MOUSEENTER: {
        // The flat button tracks the mouse itself; no enter or leave events are raised.
        ui::TPoint p;
        GetCursorScreenPos(p);
        if (IsOnFace(ui::PointToLParam(p)))
            EnterHover();
        return;
    }
    case ui::CM_MOUSELEAVE:
        LeaveHover();
        return;
    case ui::WM_TIMER:
        if (m.WParam == FlashTimerId && FTimer && FTimerWindow) {
            SetForcedDown(false);
            return;
        }
        break;
    case ui::CM_ENABLEDCHANGED:
        FBufferFilled = false;
        // A disabled button shows no hover look, and keeps none for when it is enabled again.
        if (!Enabled() && HoveredNiceButton == this) {
            HoveredNiceButton = nullptr;
            FDrawFace = false;
        }
        break;
    case ui::CM_TEXTCHANGED:
    case ui::CM_FONTCHANGED:
    case ui::CM_COLORCHANGED:
        FBufferFilled = false;
        break;
    default:
        break;
    }
    ui::TButton::Dispatch(m);
}

} // namespace tk
