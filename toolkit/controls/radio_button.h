#pragma once
// TMRadioButton: an owner-drawn radio button with the skin's bullet images; checking it
// unchecks the other radio buttons of its parent, and only the checked one is a tab stop.
#include <memory>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/stdctrls/button.h"

namespace tk {

class TMRadioButton : public ui::TButtonControl {
public:
    explicit TMRadioButton(ui::TComponent* owner);
    ~TMRadioButton() override;

    // taRightJustify puts the bullet on the left of the caption, taLeftJustify on the right.
    ui::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ui::TAlignment value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);

    void Dispatch(ui::TMessage& message) override;

protected:
    void CreateParams(ui::TCreateParams& params) override;

private:
    void DrawItem(const ui::TDrawItemStruct& item);

    std::unique_ptr<ui::TControlCanvas> Canvas;
    ui::TAlignment FAlignment = ui::taRightJustify;
    bool FChecked = false;
};

} // namespace tk
