#pragma once
// TCustomPanel / TPanel: a container with raised or lowered bevels, a border and a centred
// caption; its children are aligned inside the bevels.
#include "platform/ui/controls/graphic_control.h"

namespace ui {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    // The panel's own border inside its bevels (not the window frame).
    int PanelBorderWidth() const { return panelBorderWidth_; }
    void SetPanelBorderWidth(int value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool value) { fullRepaint_ = value; }

    void AdjustClientRect(TRect& rect) override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    TAlignment alignment_ = taCenter;
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int panelBorderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

} // namespace ui
