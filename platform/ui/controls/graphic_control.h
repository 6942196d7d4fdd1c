#pragma once
// TGraphicControl: a windowless control that its parent paints (on the parent's device
// context, moved to the control's place) and routes the mouse to; it never takes the focus.
// TCustomControl: a windowed control that paints itself on its canvas.
#include <memory>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/controls/win_control.h"

namespace ui {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // The control's canvas: the paint's device context while painting, else its part of the
    // parent's window.
    TCanvas& Canvas();
    void Dispatch(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas& Canvas();
    void Dispatch(TMessage& message) override;

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

} // namespace ui
