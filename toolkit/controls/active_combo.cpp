#include "toolkit/controls/active_combo.h"

#include "platform/ui/stdctrls/list_messages.h"

namespace tk {

TActiveCombo::TActiveCombo(ui::TComponent* owner) : ui::TComboBox(owner) {
    SetCtl3D(true);
}

void TActiveCombo::SetAssocLabel(TActiveLabel* value) {
    FLabel.SetLabel(*this, value);
}

void TActiveCombo::SetBorderStyle(ui::TBorderStyle value) {
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveCombo::SetBorderColor(ui::TColor value) {
    if (FBorderColor == value)
        return;
    FBorderColor = value;
    Invalidate();
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveCombo::SetBorderColorF(ui::TColor value) {
    if (FBorderColorF == value)
        return;
    FBorderColorF = value;
    Invalidate();
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveCombo::SetFlatStyle(bool value) {
    if (FFlatStyle == value)
        return;
    FFlatStyle = value;
    RecreateWnd();
}

void TActiveCombo::SetBevelOuter(ui::TPanelBevel value) {
    if (FBevelOuter == value)
        return;
    FBevelOuter = value;
    if (FFlatStyle)
        RecreateWnd();
}

void TActiveCombo::SetArrowColor(ui::TColor value) {
    if (FArrowColor == value)
        return;
    FArrowColor = value;
    Invalidate();
}

void TActiveCombo::SetButtonColor(ui::TColor value) {
    if (FButtonColor == value)
        return;
    FButtonColor = value;
    Invalidate();
}

void TActiveCombo::DoEnter() {
    fFocused = true;
    ui::TComboBox::DoEnter();
    FLabel.Light();
    RedrawFlat();
}

void TActiveCombo::DoExit() {
    ui::TComboBox::DoExit();
    fFocused = false;
    FLabel.Restore();
    RedrawFlat();
}

void TActiveCombo::Notification(ui::TComponent* component, ui::TOperation operation) {
    ui::TComboBox::Notification(component, operation);
    if (operation == ui::opRemove)
        FLabel.Removed(component);
}

void TActiveCombo::KeyDown(uint16_t& key, ui::TShiftState shift) {
    if (FAutoComplete)
        LastKey = key;
    ui::TComboBox::KeyDown(key, shift);
}

void TActiveCombo::Change() {
    if (FAutoComplete) {
        // Deleting must not bring back what the user just removed.
        if (LastKey == ui::VK_BACK || LastKey == ui::VK_DELETE) {
            LastKey = 0;
            return;
        }
        LastKey = 0;
        Complete();
    }
    ui::TComboBox::Change();
}

void TActiveCombo::Complete() {
    std::string typed = Text();
    // An emptied text (cut, select and retype) names no item: nothing to complete.
    if (typed.empty())
        return;
    int found = int(Perform(ui::CB_FINDSTRING, 0, ui::LPARAM(typed.c_str())));
    if (found < 0)
        return;
    SetItemIndex(found);
    int length = int(typed.size());
    SetSelStart(length);
    SetSelLength(int(Items()[found].size()) - length);
}

void TActiveCombo::CloseUp() {
    ui::TComboBox::CloseUp();
    ui::Fire(OnCloseUp, this);
    RedrawFlat();
}

} // namespace tk
