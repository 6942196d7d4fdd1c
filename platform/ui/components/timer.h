#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled, from the message loop (also
// inside modal loops).
#include <cstdint>

#include "platform/ui/core/component.h"
#include "platform/ui/core/events.h"

namespace ui {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    void Loaded() override;

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    uintptr_t id_ = 0;
};

} // namespace ui
