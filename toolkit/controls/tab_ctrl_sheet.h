#pragma once
// TKesvTabSheet2: a page of the skinned tab control. Its tab can be drawn disabled, it may
// name its place in the product's menu (MenuTabIndex, 0 to 6), and it tells the colour of the
// panel it holds.
#include "platform/ui/stdctrls/page_control.h"

namespace tk {

class TKesvTabSheet2 : public ui::TTabSheet {
public:
    explicit TKesvTabSheet2(ui::TComponent* owner);

    bool TabEnabled() const { return tabEnabled_; }
    void SetTabEnabled(bool value);
    // Only 0 to 6 are accepted; -1 until one is set.
    int MenuTabIndex() const { return menuTabIndex_; }
    void SetMenuTabIndex(int value);
    // The colour of the sheet's first panel, $00FF00 when it holds none.
    ui::TColor PanelColor() const;

    void Dispatch(ui::TMessage& message) override;

private:
    void RepaintPageControl();

    int menuTabIndex_ = -1;
    bool tabEnabled_ = true;
};

} // namespace tk
