// The buttons a radio group makes: clicks and the keys that would change the choice pass
// only when the group allows the change.
#include <algorithm>

#include "toolkit/controls/radio_group.h"

namespace tk {

TMGroupButton::TMGroupButton(TMCustomRadioGroup* group) : TMRadioButton(group), group_(group) {
    group->FButtons.push_back(this);
    SetVisible(false);
    SetEnabled(group->Enabled());
    SetParentShowHint(false);
    OnClick = [group](ui::TObject* sender) { group->ButtonClick(sender); };
    SetParent(group);
}

TMGroupButton::~TMGroupButton() {
    auto& buttons = group_->FButtons;
    buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
}

void TMGroupButton::Dispatch(ui::TMessage& m) {
    if (m.Msg == ui::CN_COMMAND) {
        uint16_t code = ui::HiWord(m.WParam);
        if ((code == ui::BN_CLICKED || code == ui::BN_DOUBLECLICKED) && !group_->CanModify())
            return;
    }
    TMRadioButton::Dispatch(m);
}

void TMGroupButton::KeyPress(char& key) {
    TMRadioButton::KeyPress(key);
    group_->KeyPress(key);
    if ((key == '\b' || key == ' ') && !group_->CanModify())
        key = 0;
}

void TMGroupButton::KeyDown(uint16_t& key, ui::TShiftState shift) {
    TMRadioButton::KeyDown(key, shift);
    group_->KeyDown(key, shift);
}

} // namespace tk
