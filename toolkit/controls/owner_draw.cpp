#include "toolkit/controls/owner_draw.h"

#include "platform/ui/controls/control.h"

namespace tk {

bool AnswerOwnerDraw(const ui::TControl& control, ui::TMessage& m, const TDrawItem& draw) {
    if (m.Msg == ui::CN_DRAWITEM) {
        if (auto* item = reinterpret_cast<const ui::TDrawItemStruct*>(m.LParam))
            draw(*item);
    } else if (m.Msg == ui::CN_MEASUREITEM) {
        if (auto* measure = reinterpret_cast<ui::TMeasureItemStruct*>(m.LParam)) {
            measure->itemWidth = ui::UINT(control.Width());
            measure->itemHeight = ui::UINT(control.Height());
        }
    } else {
        return false;
    }
    m.Result = 1;
    return true;
}

} // namespace tk
