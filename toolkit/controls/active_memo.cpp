#include "toolkit/controls/active_memo.h"

namespace tk {

TActiveMemo::TActiveMemo(ui::TComponent* owner) : ui::TMemo(owner) {
    SetBorderStyle(ui::bsNone);
}

void TActiveMemo::SetAssocLabel(TActiveLabel* value) {
    FLabel.SetLabel(*this, value);
}

void TActiveMemo::DoEnter() {
    ui::TMemo::DoEnter();
    FLabel.Light();
}

void TActiveMemo::DoExit() {
    ui::TMemo::DoExit();
    FLabel.Restore();
}

void TActiveMemo::Notification(ui::TComponent* component, ui::TOperation operation) {
    ui::TMemo::Notification(component, operation);
    if (operation == ui::opRemove)
        FLabel.Removed(component);
}

} // namespace tk
