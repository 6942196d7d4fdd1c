#pragma once
// TActiveCombo: a combo box with an associated label, an optional flat look (a two-colour
// border and a painted drop-down button that follows the focus, the mouse and the list) and
// optional type-ahead completion from its items.
#include <cstdint>

#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/active_assoc_label.h"

namespace tk {

class TActiveCombo : public ui::TComboBox {
public:
    explicit TActiveCombo(ui::TComponent* owner);

    TActiveLabel* AssocLabel() const { return FLabel.Label(); }
    void SetAssocLabel(TActiveLabel* value);
    ui::TColor LabelColor() const { return FLabel.LabelColor(); }
    void SetLabelColor(ui::TColor value) { FLabel.SetLabelColor(value); }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    ui::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(ui::TBorderStyle value);
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor value);
    ui::TColor BorderColorF() const { return FBorderColorF; }
    void SetBorderColorF(ui::TColor value);
    bool FlatStyle() const { return FFlatStyle; }
    void SetFlatStyle(bool value);
    ui::TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(ui::TPanelBevel value);
    ui::TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(ui::TColor value);
    ui::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(ui::TColor value);
    // State the flat look follows.
    bool HasFocus() const { return fFocused; }
    bool MouseInControl() const { return FMouseInControl; }
    // The flat drop-down button's area in the client area.
    ui::TRect FlatButtonRect();

    void WndProc(ui::TMessage& message) override;

    ui::TNotifyEvent OnCloseUp;

protected:
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(uint16_t& key, ui::TShiftState shift) override;
    void Change() override;
    void CloseUp() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    bool FlatBorderOnly();
    // Draws the flat border (with the flat style) and the drop-down button.
    void RedrawFlat();
    void DrawBorder();
    void DrawButton();
    void Complete();

    ui::TColor FButtonColor = ui::clBtnFace;
    ui::TColor FArrowColor = 0;
    ui::TColor FBorderColor = 0x808080;
    ui::TColor FBorderColorF = 0xFFFFFF;
    bool FFlatStyle = false;
    bool fFocused = false;
    bool FMouseInControl = false;
    bool FForceDrawFocused = false;
    ui::TPanelBevel FBevelOuter = ui::bvNone;
    ui::TBorderStyle FBorderStyle = ui::bsNone;
    TAssocLabel FLabel;
    bool FAutoComplete = false;
    uint16_t LastKey = 0;
};

} // namespace tk
