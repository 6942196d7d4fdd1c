#pragma once
// TMessageForm: the form of the message dialogs. A right click anywhere on it presses its
// default button; from the third left click on its picture on, each click switches the
// dialogs' automatic answer (AutoCloseCount for a dialog with at most one button, which then
// closes with mrIgnore; AutoPressDefault otherwise, and the default button is pressed).
#include "toolkit/forms/title_form.h"

namespace tk {

class TMessageForm : public TTitleForm {
public:
    using TTitleForm::TTitleForm;

    // The mouse-down handler of the dialog's panels, text and picture (and of the form itself).
    void UseMouse(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                  int y);

    bool SkipRightClick = false;
    // Left clicks on the dialog's picture so far.
    int Clickuri = 0;

protected:
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;

private:
    void PressDefaultButtons();
    void SwitchAutomaticAnswer();
};

} // namespace tk
