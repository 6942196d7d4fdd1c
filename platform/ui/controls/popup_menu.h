#pragma once
// The slot a control's PopupMenu property holds: a component that pops up at a screen point
// when the user asks for the control's context menu (the menu classes themselves come with the
// standard controls).
#include "platform/ui/core/component.h"

namespace ui {

class TPopupMenuBase : public TComponent {
public:
    using TComponent::TComponent;
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* value) { popupComponent_ = value; }
    virtual void Popup(int x, int y) = 0;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
};

} // namespace ui
