#include "toolkit/forms/mform.h"

#include <algorithm>

#include "platform/ui/forms/message_box.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/button_list.h"
#include "toolkit/forms/message_form.h"

namespace tk {

namespace {

// The main-form types name the module kind a form starts with.
constexpr TKesvModuleKind MainFormKinds[] = {mDate, mListe};

// "#,##0": thousands separated by commas.
std::string FormatThousands(uint32_t value) {
    std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

} // namespace

TMForm::TMForm(ui::TComponent* owner) : ui::TForm(owner) {
    CreationTime = ui::GetTickCount();
    FTipMainForm = 0;
}

TMForm::~TMForm() = default;

void TMForm::ConstructionCompleted() {
    ui::TForm::ConstructionCompleted();
    SetDoubleBuffered(true);
    FBotoane = std::make_unique<TButtonList>();
    PrimaData = true;
    Activated = false;
    DPIScale = 0;
    if (BorderStyle() == ui::bsSizeable) {
        ui::TSizeConstraints& limits = Constraints();
        if (limits.MaxWidth() == 0 || limits.MaxWidth() > MaxFormWidth)
            limits.SetMaxWidth(MaxFormWidth);
        if (limits.MaxHeight() == 0 || limits.MaxHeight() > MaxFormHeight)
            limits.SetMaxHeight(MaxFormHeight);
    }
    TimeLabel = nullptr;
}

void TMForm::AfterConstruction() {
    // A form made without a stored description takes its creation time at its first show.
    if (!FBotoane)
        CreationTime = 0;
    ui::TForm::AfterConstruction();
}

void TMForm::BeforeDestruction() {
    WriteFormSize();
    ui::FreeAndNil(TimeLabel);
    FBotoane.reset();
    try {
        ui::TForm::BeforeDestruction();
    } catch (...) {
        ui::MessageBox("Eroare la inherited destroy TMForm: " + Name(), "", ui::MB_OK);
    }
}

void TMForm::Loaded() {
    if (FTipMainForm >= 0 && FTipMainForm < int(std::size(MainFormKinds)))
        FKind = MainFormKinds[FTipMainForm];
    ui::TForm::Loaded();
    FormLoaded = true;
}

void TMForm::DoCreate() {
    ui::TForm::DoCreate();
    FormCreated = true;
}

void TMForm::SetKind(TKesvModuleKind value) {
    if (FKind == value)
        return;
    FKind = value;
    Invalidate();
}

void TMForm::SetXKind(int value) {
    if (value < 0 || value > 12 || value == FXKind)
        return;
    FXKind = value;
    SetKind(TKesvModuleKind(value));
}

ui::TWinControl* TMForm::FirstControl() {
    return ActiveControl();
}

void TMForm::PaintBackground(ui::HDC dc) {
    (void)dc;
    ui::MessageBeep(0);
}

void TMForm::ApplyDesign(bool readDesignFile) {
    (void)readDesignFile;
}

void TMForm::InitDesign() {}

void TMForm::DoShow() {
    if (CreationTime == 0)
        CreationTime = ui::GetTickCount();
    ui::TForm::DoShow();
    if (PrimaData && FBotoane) {
        CollectButtons();
        PrimaData = false;
    }
    if (TimeLabel)
        ShowCreationTime();
}

void TMForm::CollectButtons() {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* button = dynamic_cast<ui::TButton*>(Components(i)))
            FBotoane->Add(button, button->Enabled());
}

void TMForm::ShowCreationTime() {
    TimeLabel->SetCaption(FormatThousands(ui::GetTickCount() - CreationTime) + " msec");
    CreationTime = 0;
}

void TMForm::GreyButtons() {
    FocusButton = nullptr;
    if (!FBotoane)
        return;
    for (int i = 0; i < FBotoane->Count(); ++i) {
        ui::TButton* button = FBotoane->GetButton(i);
        if (!button)
            continue;
        FBotoane->SetEnabled(i, button->Enabled());
        // The window focus has already left the disabled form; the form still knows its
        // active control.
        if (button->Focused() || ActiveControl() == button)
            FocusButton = button;
        button->SetEnabled(false);
    }
}

void TMForm::RestoreButtons() {
    if (!FBotoane)
        return;
    for (int i = 0; i < FBotoane->Count(); ++i)
        if (ui::TButton* button = FBotoane->GetButton(i))
            button->SetEnabled(FBotoane->GetEnabled(i));
    // A hidden form cannot take the focus; the button gets it back the next time it shows.
    if (FocusButton && FocusButton->Visible() && FocusButton->CanFocus())
        FocusButton->SetFocus();
}

void TMForm::Resize() {
    // Until the form is loaded and created, its size notifications are dropped.
    if (!FormLoaded || !FormCreated)
        return;
    ui::TForm::Resize();
    Perform(ui::CM_BORDERCHANGED, 0, 0);
}

bool TMForm::HandleRightButtonCursor(ui::TMessage& m) {
    if (ui::HiWord(uintptr_t(m.LParam)) != ui::WM_RBUTTONDOWN)
        return false;
    ui::TCustomForm* active = ui::Screen()->ActiveForm();
    if (ui::TPopupMenuBase* menu = PopupMenu())
        menu->SetAutoPopup(active == this);
    auto* dialog = dynamic_cast<TMessageForm*>(active);
    if (!dialog)
        return false;
    // A right click while a message dialog is active answers it with its default button.
    ui::PostMessage(dialog->Handle(), ui::WM_KEYDOWN, ui::VK_RETURN, 0);
    m.Result = -1;
    return true;
}

void TMForm::WndProc(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::WM_ACTIVATE:
        if (!Activated && Visible())
            Activated = true;
        break;
    case ui::WM_SETCURSOR:
        if (HandleRightButtonCursor(m))
            return;
        break;
    case ui::WM_WINDOWPOSCHANGING:
        if (!FormLoaded)
            return;
        break;
    default:
        break;
    }
    ui::TForm::WndProc(m);
}

void TMForm::Dispatch(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::WM_NCCREATE:
        ui::TForm::Dispatch(m);
        NameWindowMenu();
        return;
    case ui::WM_ENABLE:
        ui::TForm::Dispatch(m);
        if (m.WParam)
            RestoreButtons();
        else
            GreyButtons();
        return;
    case ui::WM_SIZE:
        ui::TForm::Dispatch(m);
        if (m.WParam == ui::SIZE_MAXIMIZED)
            FitToWorkArea();
        return;
    default:
        ui::TForm::Dispatch(m);
        return;
    }
}

void TMForm::Notification(ui::TComponent* component, ui::TOperation operation) {
    ui::TForm::Notification(component, operation);
    if (operation != ui::opRemove)
        return;
    if (component == FocusButton)
        FocusButton = nullptr;
    if (component == TimeLabel)
        TimeLabel = nullptr;
    // Compared by address: a component being freed may no longer know its class.
    if (FBotoane)
        FBotoane->Forget(component);
}

} // namespace tk
