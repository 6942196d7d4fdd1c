#include "platform/ui/controls/control_canvas.h"

#include <QImage>
#include <algorithm>
#include <vector>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

std::vector<TControlCanvas*>& CanvasesWithDC() {
    static std::vector<TControlCanvas*> list;
    return list;
}

} // namespace

void BindCanvas(TCanvas& canvas, HDC dc) {
    canvas.Detach();
    if (!dc)
        return;
    if (IsWindowDC(dc)) {
        // The window's painter is shared: drawing on the DC and on this canvas mixes freely.
        canvas.Attach(dc->Painter());
    } else {
        if (!dc->Image())
            return;
        dc->ReleasePainter();
        canvas.Attach(static_cast<QPaintDevice*>(dc->Image()));
    }
    TPoint now = canvas.WindowOrg();
    TPoint target = dc->WindowOrg();
    canvas.MoveWindowOrg(target.X - now.X, target.Y - now.Y);
    canvas.SetClipRect(dc->ClipRect());
}

TControlCanvas::~TControlCanvas() {
    FreeDC();
}

void TControlCanvas::SetHandle(HDC dc) {
    if (ownedDC_)
        FreeDC();
    dc_ = dc;
    BindCanvas(*this, dc);
}

bool TControlCanvas::AcquireDC() {
    if (HandleAllocated())
        return true;
    if (!control_)
        return false;
    TPoint offset{0, 0};
    TWinControl* window = dynamic_cast<TWinControl*>(control_);
    if (!window) {
        window = control_->Parent();
        offset = {control_->Left(), control_->Top()};
    }
    if (!window || !window->HandleAllocated())
        return false;
    HDC dc = GetDC(window->WindowHandle());
    if (!dc)
        return false;
    dc->MoveWindowOrg(offset.X, offset.Y);
    dc->IntersectClipRect({0, 0, control_->Width(), control_->Height()});
    BindCanvas(*this, dc);
    dc_ = dc;
    ownedDC_ = dc;
    ownedWindow_ = window->WindowHandle();
    CanvasesWithDC().push_back(this);
    return true;
}

void TControlCanvas::FreeDC() {
    if (!ownedDC_)
        return;
    Detach();
    ReleaseDC(ownedWindow_, ownedDC_);
    ownedDC_ = nullptr;
    ownedWindow_ = 0;
    dc_ = nullptr;
    auto& list = CanvasesWithDC();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::FreeDeviceContexts() {
    std::vector<TControlCanvas*> list = CanvasesWithDC();
    for (TControlCanvas* canvas : list)
        canvas->FreeDC();
}

} // namespace ui
