// TPen and TBrush: setters that store, and notify only when something changed.
#include "platform/ui/graphics/pen_brush.h"

#include "platform/ui/graphics/bitmap.h"

namespace ui {

void TPen::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TPen::SetWidth(int value) {
    if (value < 1)
        value = 1;
    if (width_ == value)
        return;
    width_ = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TPen::SetMode(TPenMode value) {
    if (mode_ == value)
        return;
    mode_ = value;
    Changed();
}

void TPen::Assign(const TPen& source) {
    if (*this == source)
        return;
    color_ = source.color_;
    width_ = source.width_;
    style_ = source.style_;
    mode_ = source.mode_;
    Changed();
}

void TBrush::SetColor(TColor value) {
    if (color_ == value && style_ != bsClear)
        return;
    color_ = value;
    // Giving a clear brush a colour makes it paint again, as the platform's brush does.
    if (style_ == bsClear)
        style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TBrush::SetBitmap(const TBitmap* value) {
    if (!value && !bitmap_)
        return;
    bitmap_ = value && !value->Empty() ? std::make_shared<const TBitmap>(*value) : nullptr;
    Changed();
}

void TBrush::Assign(const TBrush& source) {
    if (*this == source)
        return;
    color_ = source.color_;
    style_ = source.style_;
    bitmap_ = source.bitmap_;
    Changed();
}

} // namespace ui
