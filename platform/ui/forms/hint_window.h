#pragma once
// THintWindow: the small window that shows a control's hint near the mouse, in the
// application's hint colour, without taking the activation.
#include <string>

#include "platform/ui/controls/graphic_control.h"

namespace ui {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // The size the text needs, at most maxWidth wide.
    TRect CalcHintRect(int maxWidth, const std::string& text);
    // Shows the text in rect (screen coordinates).
    void ActivateHint(const TRect& rect, const std::string& text);
    void ReleaseHint();
    bool Showing() const { return shown_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    bool shown_ = false;
};

} // namespace ui
