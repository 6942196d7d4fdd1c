#include "toolkit/controls/active_assoc_label.h"

#include "toolkit/controls/active_label.h"

namespace tk {

void TAssocLabel::SetLabel(ui::TWinControl& control, TActiveLabel* value) {
    if (FLabel == value)
        return;
    if (FLabel)
        FLabel->RemoveFreeNotification(&control);
    FLabel = value;
    FSaved = false;
    if (FLabel) {
        FLabel->SetFocusControl(&control);
        FLabel->FreeNotification(&control);
    }
}

void TAssocLabel::Light() {
    if (!FLabel)
        return;
    FOldColor = FLabel->Font().Color();
    FOldStyle = FLabel->Font().Style();
    FSaved = true;
    FLabel->Font().SetColor(FLabelColor);
    FLabel->Font().SetStyle(FOldStyle);
}

void TAssocLabel::Restore() {
    // Only what was saved comes back: a label assigned while the control had the focus keeps
    // its own colour.
    if (!FLabel || !FSaved)
        return;
    FSaved = false;
    FLabel->Font().SetColor(FOldColor);
    FLabel->Font().SetStyle(FOldStyle);
}

void TAssocLabel::Removed(ui::TComponent* component) {
    if (component && component == FLabel) {
        FLabel = nullptr;
        FSaved = false;
    }
}

} // namespace tk
