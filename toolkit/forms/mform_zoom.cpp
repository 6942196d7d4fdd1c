// Zoom by the mouse wheel: Ctrl+Alt+wheel scales the form one step up or down, Ctrl+Alt+Shift+
// wheel returns it to its designed size.
#include <algorithm>

#include "toolkit/forms/mform.h"

namespace tk {

namespace {

// Zoom levels beyond this many steps either way are held at it (a level read from a damaged
// INI file must not scale the form thousands of times).
constexpr int MaxZoomSteps = 50;

bool ZoomKeysHeld(ui::TShiftState shift) {
    return (shift & ui::ssCtrl) && (shift & ui::ssAlt);
}

} // namespace

void TMForm::ScaleConstraints(int numerator) {
    ui::TSizeConstraints& limits = Constraints();
    limits.SetMinWidth(limits.MinWidth() * numerator / 100);
    limits.SetMaxWidth(limits.MaxWidth() * numerator / 100);
    limits.SetMinHeight(limits.MinHeight() * numerator / 100);
    limits.SetMaxHeight(limits.MaxHeight() * numerator / 100);
}

void TMForm::ZoomByWheel(ui::TShiftState shift, int direction) {
    if (!ZoomKeysHeld(shift))
        return;
    if (shift & ui::ssShift) {
        SetZoomLevel(0);
    } else if (direction > 0) {
        ScaleConstraints(ZoomStep);
        ++DPIScale;
        ScaleBy(ZoomStep, 100);
    } else {
        // One step down is 99 %, not the inverse of a step up.
        ScaleConstraints(200 - ZoomStep);
        --DPIScale;
        ScaleBy(100, ZoomStep);
    }
}

bool TMForm::DoMouseWheelDown(ui::TShiftState shift, ui::TPoint mousePos) {
    ZoomByWheel(shift, -1);
    return ui::TForm::DoMouseWheelDown(shift, mousePos);
}

bool TMForm::DoMouseWheelUp(ui::TShiftState shift, ui::TPoint mousePos) {
    ZoomByWheel(shift, +1);
    return ui::TForm::DoMouseWheelUp(shift, mousePos);
}

void TMForm::SetZoomLevel(int level) {
    level = std::clamp(level, -MaxZoomSteps, MaxZoomSteps);
    int steps = level - DPIScale;
    ScaleConstraints(steps * (ZoomStep - 100) + 100);
    for (int i = 0; i < steps; ++i)
        ScaleBy(ZoomStep, 100);
    for (int i = 0; i < -steps; ++i)
        ScaleBy(100, ZoomStep);
    DPIScale = int16_t(level);
}

} // namespace tk
