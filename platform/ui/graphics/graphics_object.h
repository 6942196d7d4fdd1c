#pragma once
// The base of the canvas's drawing tools: a change notification that the owner of a pen, brush
// or font (a canvas, a control) hooks to react when a property changes.
#include <functional>

namespace ui {

class TGraphicsObject {
public:
    std::function<void()> OnChange;

protected:
    TGraphicsObject() = default;
    // Copies carry values, never the owner's hook.
    TGraphicsObject(const TGraphicsObject&) {}
    TGraphicsObject& operator=(const TGraphicsObject&) { return *this; }
    ~TGraphicsObject() = default;
    void Changed() {
        if (OnChange)
            OnChange();
    }
};

} // namespace ui
