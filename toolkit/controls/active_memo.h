#pragma once
// TActiveMemo: a multi-line edit without a border whose associated label lights up while the
// memo has the focus.
#include "platform/ui/stdctrls/memo.h"
#include "toolkit/controls/active_assoc_label.h"

namespace tk {

class TActiveMemo : public ui::TMemo {
public:
    explicit TActiveMemo(ui::TComponent* owner);

    TActiveLabel* AssocLabel() const { return FLabel.Label(); }
    void SetAssocLabel(TActiveLabel* value);
    ui::TColor LabelColor() const { return FLabel.LabelColor(); }
    void SetLabelColor(ui::TColor value) { FLabel.SetLabelColor(value); }

protected:
    void DoEnter() override;
    void DoExit() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    TAssocLabel FLabel;
};

} // namespace tk
