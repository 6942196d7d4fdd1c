#include "toolkit/forms/message_form.h"

#include <vector>

#include "platform/ui/stdctrls/button.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/message_switches.h"

namespace tk {

namespace {

std::vector<ui::TButton*> OwnedButtons(const ui::TComponent& owner) {
    std::vector<ui::TButton*> buttons;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (auto* button = dynamic_cast<ui::TButton*>(owner.Components(i)))
            buttons.push_back(button);
    return buttons;
}

int32_t Toggled(int32_t value) {
    return value == 0 ? 1 : 0;
}

} // namespace

void TMessageForm::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    TTitleForm::MouseDown(button, shift, x, y);
    if (!SkipRightClick)
        UseMouse(this, button, shift, x, y);
}

void TMessageForm::UseMouse(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                            int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
    if (button == ui::mbRight) {
        PressDefaultButtons();
        return;
    }
    if (!dynamic_cast<TTransImage*>(sender))
        return;
    if (++Clickuri >= 3)
        SwitchAutomaticAnswer();
}

void TMessageForm::PressDefaultButtons() {
    for (ui::TButton* button : OwnedButtons(*this))
        if (button->Default())
            button->Click();
}

void TMessageForm::SwitchAutomaticAnswer() {
    std::vector<ui::TButton*> buttons = OwnedButtons(*this);
    ui::TButton* defaultButton = nullptr;
    for (ui::TButton* button : buttons)
        if (button->Default())
            defaultButton = button;
    if (buttons.size() < 2) {
        SetModalResult(ui::mrIgnore);
        AutoCloseCount = Toggled(AutoCloseCount);
        return;
    }
    AutoPressDefault = Toggled(AutoPressDefault);
    if (defaultButton)
        defaultButton->Click();
}

} // namespace tk
