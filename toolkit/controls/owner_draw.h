#pragma once
// The owner-drawn buttons and choice controls answer the platform's draw and measure
// notifications alike: the control draws the item, which measures as the control itself.
#include <functional>

#include "platform/ui/core/messages.h"

namespace ui {
class TControl;
}

namespace tk {

using TDrawItem = std::function<void(const ui::TDrawItemStruct&)>;

// Answers CN_DRAWITEM and CN_MEASUREITEM for the control; false for any other message.
bool AnswerOwnerDraw(const ui::TControl& control, ui::TMessage& m, const TDrawItem& draw);

} // namespace tk
