#pragma once
// TActiveLabel: a label that focuses the control it names and shows its accelerator letter in
// red, underlined while that control has the focus; grey engraved text when disabled.
#include "platform/ui/stdctrls/label.h"

namespace tk {

class TActiveLabel : public ui::TLabel {
public:
    explicit TActiveLabel(ui::TComponent* owner);

    void Click() override;
    void Dispatch(ui::TMessage& message) override;

protected:
    void Paint() override;
};

} // namespace tk
