#pragma once
// The message dialogs' automatic answers: a dialog with one button closes itself while
// AutoCloseCount is on, a dialog with buttons presses its default button while AutoPressDefault
// is on. One message-loop timer (identifier 1 on the main form's window) ticks every
// AutoCloseCount x 300 ms; the dialog's tag counts one tick of grace, so the answer comes on the
// second tick. A tick with no dialog shown does nothing.
#include <cstdint>
#include <functional>

#include "platform/ui/window/window_system.h"
#include "toolkit/forms/message_switches.h"

namespace ui {
class TCustomForm;
}

namespace tk {

// The dialog the automatic timer acts on; none while no dialog is shown.
extern ui::TCustomForm* CurrentDialog;

enum class TAutoAnswer { None, Close, Press };

// Which automatic answer a dialog with that many buttons gets under the current switches;
// none without a main form to carry the timer.
TAutoAnswer ChooseAutoAnswer(int buttonCount, bool hasMainForm);

// The timer's period: AutoCloseCount ticks of 300 ms (0 when it is off or negative, which the
// platform raises to its shortest interval).
unsigned AutoAnswerPeriod();

constexpr uintptr_t kAutoAnswerTimerId = 1;

// The timer procedures. The close tick closes CurrentDialog (a modal close answers 2); the
// press tick clicks its first default button that is visible and enabled. Both stop the timer
// when they act.
void AutoCloseTick();
void AutoPressTick();

// Makes the dialog the one the timer acts on (one tick of grace) and starts the timer for the
// answer on the main form's window.
void StartAutoAnswer(ui::TCustomForm& dialog, TAutoAnswer answer);

// How the timer is started: the platform's SetTimer unless a test drives the ticks itself.
// Returns the previous starter; an empty one means the platform's.
using TAutoTimerStarter =
    std::function<void(ui::HWND window, uintptr_t id, unsigned period, ui::TTimerProc tick)>;
TAutoTimerStarter SetAutoTimerStarter(TAutoTimerStarter starter);

} // namespace tk
