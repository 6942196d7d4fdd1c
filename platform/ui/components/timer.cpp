#include "platform/ui/components/timer.h"

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (id_)
        KillTimer(0, id_);
}

void TTimer::SetEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (interval_ == value)
        return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (id_) {
        KillTimer(0, id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0 || InState(csLoading))
        return;
    id_ = SetTimer(0, 0, interval_, [this](HWND, UINT, uintptr_t, uint32_t) {
        try {
            Timer();
        } catch (...) {
            Application()->HandleException(this);
        }
        TControlCanvas::FreeDeviceContexts();
    });
}

void TTimer::Timer() {
    Fire(OnTimer, this);
}

} // namespace ui
