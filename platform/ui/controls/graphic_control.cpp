#include "platform/ui/controls/graphic_control.h"

namespace ui {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
    if (!canvas_->HandleAllocated())
        canvas_->AcquireDC();
    return *canvas_;
}

void TGraphicControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        if (!dc)
            return;
        canvas_->SetHandle(dc);
        try {
            Paint();
        } catch (...) {
            canvas_->SetHandle(nullptr);
            throw;
        }
        canvas_->SetHandle(nullptr);
        return;
    }
    TControl::Dispatch(m);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas() {
    if (!canvas_->HandleAllocated())
        canvas_->AcquireDC();
    return *canvas_;
}

void TCustomControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        controlState_ |= csCustomPaint;
        TWinControl::Dispatch(m);
        controlState_ &= ~TControlState(csCustomPaint);
        return;
    }
    TWinControl::Dispatch(m);
}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

} // namespace ui
