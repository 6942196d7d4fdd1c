#pragma once
// TMCustomCheckBox / TActiveCheckBox: an owner-drawn check box with the skin's box images (or
// a glyph of its own), a third, grayed state, and a caption whose accelerator letter is red.
#include <memory>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/button.h"

namespace tk {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TMCustomCheckBox : public ui::TButtonControl {
public:
    explicit TMCustomCheckBox(ui::TComponent* owner);
    ~TMCustomCheckBox() override;

    // taRightJustify puts the box on the left of the caption, taLeftJustify on the right edge.
    ui::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ui::TAlignment value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    bool CustomGlyph() const { return FCustomGlyph; }
    void SetCustomGlyph(bool value);
    // Three images side by side: checked, unchecked, grayed.
    ui::TBitmap& Glyph() { return *FGlyph; }
    void SetGlyph(const ui::TBitmap& value);
    TCheckBoxState State() const { return FState; }
    // A new state is shown and reported as a click.
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }

    // Unchecked -> grayed (with AllowGrayed) or checked; checked -> unchecked; grayed -> checked.
    virtual void Toggle();

    void Dispatch(ui::TMessage& message) override;

protected:
    void CreateParams(ui::TCreateParams& params) override;

private:
    void DrawItem(const ui::TDrawItemStruct& item);

    std::unique_ptr<ui::TControlCanvas> Canvas;
    ui::TAlignment FAlignment = ui::taRightJustify;
    bool FAllowGrayed = false;
    bool FCustomGlyph = false;
    TCheckBoxState FState = cbUnchecked;
    std::unique_ptr<ui::TBitmap> FGlyph;
};

class TActiveCheckBox : public TMCustomCheckBox {
public:
    explicit TActiveCheckBox(ui::TComponent* owner) : TMCustomCheckBox(owner) {}
};

} // namespace tk
