#pragma once
// TActiveEdit: a one-line edit with an associated label that lights up while the edit has the
// focus, an optional flat border in two colours (or a one-pixel bevel), and its text shown
// flush right or centred while it is not being edited (editing is always left-aligned).
#include <memory>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/active_assoc_label.h"

namespace tk {

class TActiveEdit : public ui::TEdit {
public:
    explicit TActiveEdit(ui::TComponent* owner);
    ~TActiveEdit() override;

    // Left while the edit has the focus; the chosen alignment comes back when it leaves.
    ui::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ui::TAlignment value);
    TActiveLabel* AssocLabel() const { return FLabel.Label(); }
    void SetAssocLabel(TActiveLabel* value);
    ui::TColor LabelColor() const { return FLabel.LabelColor(); }
    void SetLabelColor(ui::TColor value) { FLabel.SetLabelColor(value); }
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor value);
    ui::TColor BorderColorF() const { return FBorderColorF; }
    void SetBorderColorF(ui::TColor value);
    bool FlatStyle() const { return FFlatStyle; }
    void SetFlatStyle(bool value);
    ui::TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(ui::TPanelBevel value);
    // A quarter of the smaller line height of the system font and the edit's font.
    int TextMargin() const { return FTextMargin; }
    // Set between focus entry and exit.
    bool HasFocus() const { return FFocused; }

    void Dispatch(ui::TMessage& message) override;

protected:
    void DoEnter() override;
    void DoExit() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    bool FlatBorderShown();
    void DrawFlatBorder();
    void PaintHandler(ui::TMessage& message);
    void PaintOwnText(ui::TCanvas& canvas);
    void PaintSingleFrame(ui::TCanvas& canvas);
    void UpdateTextMargin();

    TAssocLabel FLabel;
    ui::TAlignment FOldAlignment = ui::taLeftJustify;
    ui::TAlignment FAlignment = ui::taLeftJustify;
    std::unique_ptr<ui::TControlCanvas> FCanvas;
    int FTextMargin = 0;
    ui::TColor FBorderColor = 0x808080;
    ui::TColor FBorderColorF = 0xFFFFFF;
    bool FFlatStyle = false;
    ui::TPanelBevel FBevelOuter = ui::bvNone;
    bool FFocused = false;
};

} // namespace tk
