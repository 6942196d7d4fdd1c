#pragma once
// TGraphic: a picture that can draw itself on a canvas (bitmaps, PNG images).
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/ui/graphics/types.h"

class QImage;

namespace ui {

class TCanvas;

// Picture data that cannot be read ("Bitmap image is not valid: <name>").
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// An operation a picture cannot do ("Invalid image size").
class EInvalidGraphicOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // A transparent graphic leaves its transparent pixels out when drawn.
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    // Draws the graphic into rect, scaled to it (the canvas's copy mode applies to bitmaps).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
    // The pixels as 32-bit image (platform access for the canvas and the controls' painters).
    virtual QImage ToImage() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    std::function<void()> OnChange;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic& other) : transparent_(other.transparent_) {}
    TGraphic& operator=(const TGraphic& other) {
        transparent_ = other.transparent_;
        return *this;
    }
    void Changed() {
        if (OnChange)
            OnChange();
    }
    bool transparent_ = false;
};

} // namespace ui
