#pragma once
// TControlCanvas: the canvas of a control. During a paint it draws on the paint's device
// context; at other times it takes a device context of the control's window (a windowless
// control's part of its parent's) when it is first used, which the library releases after the
// message being handled.
#include "platform/ui/core/messages.h"
#include "platform/ui/graphics/canvas.h"

namespace ui {

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override;

    TControl* Control() const { return control_; }
    // Draws on a device context (the paint's, an owner-draw record's) until given nullptr.
    void SetHandle(HDC dc);
    HDC Handle() const { return dc_; }
    // A device context of the control's window, when the canvas has none (drawing outside the
    // paint cycle). False when the control has no window to draw on.
    bool AcquireDC();
    // Gives back a device context taken by AcquireDC.
    void FreeDC();

    // Releases every device context canvases took outside painting.
    static void FreeDeviceContexts();

private:
    TControl* control_;
    HDC dc_ = nullptr;
    HWND ownedWindow_ = 0;
    HDC ownedDC_ = nullptr;
};

// Makes canvas draw on dc with dc's origin and clipping (nullptr detaches it).
void BindCanvas(TCanvas& canvas, HDC dc);

} // namespace ui
