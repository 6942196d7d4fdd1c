#include "toolkit/forms/button_list.h"

#include "platform/ui/stdctrls/button.h"

namespace tk {

void TButtonList::Add(ui::TButton* button, bool enabled) {
    if (Count() == FCapacity) {
        FCapacity += CapacityStep;
        FArray.reserve(size_t(FCapacity));
    }
    FArray.push_back({button, enabled});
}

ui::TButton* TButtonList::GetButton(int index) const {
    return IsValid(index) ? FArray[size_t(index)].Button : nullptr;
}

bool TButtonList::GetEnabled(int index) const {
    return IsValid(index) && FArray[size_t(index)].Enabled;
}

void TButtonList::SetEnabled(int index, bool enabled) {
    if (IsValid(index))
        FArray[size_t(index)].Enabled = enabled;
}

void TButtonList::Forget(const ui::TComponent* button) {
    for (TEntry& entry : FArray)
        if (entry.Button && static_cast<const ui::TComponent*>(entry.Button) == button)
            entry.Button = nullptr;
}

} // namespace tk
