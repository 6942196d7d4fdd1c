#pragma once
// The message dialogs' two automatic-answer switches, kept for the whole process once switched.
// The user toggles them by clicking a dialog's picture (TMessageForm::UseMouse).
#include <cstdint>

namespace tk {

// Not 0: dialogs with a single button close by themselves; also the tick length in units of
// 300 ms for both automatic modes.
extern int32_t AutoCloseCount;
// Not 0: dialogs with buttons press their default button by themselves.
extern int32_t AutoPressDefault;

} // namespace tk
