#pragma once
// TCustomGroupBox / TGroupBox: a container framed by an etched line with its caption set into
// the top edge; its accelerator moves the focus into the group.
#include "platform/ui/controls/graphic_control.h"

namespace ui {

class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* owner);

    void AdjustClientRect(TRect& rect) override;
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    // The height of the caption's line, which the frame's top edge runs through.
    int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

} // namespace ui
