#pragma once
// The label an active control names as its own: it focuses the control and lights up in the
// label colour while the control has the focus.
#include "platform/ui/controls/win_control.h"

namespace tk {

class TActiveLabel;

class TAssocLabel {
public:
    TActiveLabel* Label() const { return FLabel; }
    // Stores the label and makes control the label's FocusControl; control is told when the
    // label is freed (it then calls Removed).
    void SetLabel(ui::TWinControl& control, TActiveLabel* value);
    ui::TColor LabelColor() const { return FLabelColor; }
    void SetLabelColor(ui::TColor value) { FLabelColor = value; }

    // Focus entry: the label's colour and style are saved and it takes the label colour.
    void Light();
    // Focus exit: the saved colour and style come back.
    void Restore();
    // From the control's removal notification: a freed label is forgotten.
    void Removed(ui::TComponent* component);

private:
    TActiveLabel* FLabel = nullptr;
    ui::TColor FLabelColor = ui::clHighlightText;
    ui::TColor FOldColor = ui::clWindowText;
    ui::TFontStyles FOldStyle = 0;
    bool FSaved = false;
};

} // namespace tk
