// TGraphic: what every picture shares.
#include "platform/ui/graphics/graphic.h"

namespace ui {

void TGraphic::SetTransparent(bool value) {
    if (transparent_ == value)
        return;
    transparent_ = value;
    Changed();
}

} // namespace ui
