#include "toolkit/forms/message_dialog_auto.h"

#include <utility>

#include "platform/ui/forms/application.h"
#include "platform/ui/stdctrls/button.h"

namespace tk {

ui::TCustomForm* CurrentDialog = nullptr;

namespace {

constexpr unsigned kTickLength = 300; // milliseconds per unit of AutoCloseCount

TAutoTimerStarter& Starter() {
    static TAutoTimerStarter starter;
    return starter;
}

ui::HWND MainWindow() {
    ui::TCustomForm* main = ui::Application()->MainForm();
    return main ? main->Handle() : ui::HWND(0);
}

// The dialog when this tick should act on it: the first tick after the dialog showed only
// uses up its grace.
ui::TCustomForm* DialogDueNow() {
    if (!CurrentDialog)
        return nullptr;
    if (CurrentDialog->Tag() != 0) {
        CurrentDialog->SetTag(CurrentDialog->Tag() - 1);
        return nullptr;
    }
    if (ui::HWND window = MainWindow())
        ui::KillTimer(window, kAutoAnswerTimerId);
    return CurrentDialog;
}

ui::TButton* FirstDefaultButton(ui::TCustomForm& dialog) {
    for (int i = 0; i < dialog.ComponentCount(); ++i) {
        auto* button = dynamic_cast<ui::TButton*>(dialog.Components(i));
        if (button && button->Default() && button->Visible() && button->Enabled())
            return button;
    }
    return nullptr;
}

} // namespace

TAutoAnswer ChooseAutoAnswer(int buttonCount, bool hasMainForm) {
    if (!hasMainForm)
        return TAutoAnswer::None;
    if (AutoCloseCount != 0 && buttonCount == 1)
        return TAutoAnswer::Close;
    if (AutoPressDefault != 0 && buttonCount >= 1)
        return TAutoAnswer::Press;
    return TAutoAnswer::None;
}

unsigned AutoAnswerPeriod() {
    return AutoCloseCount > 0 ? unsigned(AutoCloseCount) * kTickLength : 0;
}

void AutoCloseTick() {
    if (ui::TCustomForm* dialog = DialogDueNow())
        dialog->Close();
}

void AutoPressTick() {
    if (ui::TCustomForm* dialog = DialogDueNow())
        if (ui::TButton* button = FirstDefaultButton(*dialog))
            button->Click();
}

void StartAutoAnswer(ui::TCustomForm& dialog, TAutoAnswer answer) {
    ui::HWND window = MainWindow();
    if (answer == TAutoAnswer::None || !window)
        return;
    dialog.SetTag(1);
    CurrentDialog = &dialog;
    ui::TTimerProc tick = [answer](ui::HWND, ui::UINT, uintptr_t, uint32_t) {
        if (answer == TAutoAnswer::Close)
            AutoCloseTick();
        else
            AutoPressTick();
    };
    if (Starter())
        Starter()(window, kAutoAnswerTimerId, AutoAnswerPeriod(), std::move(tick));
    else
        ui::SetTimer(window, kAutoAnswerTimerId, AutoAnswerPeriod(), std::move(tick));
}

TAutoTimerStarter SetAutoTimerStarter(TAutoTimerStarter starter) {
    return std::exchange(Starter(), std::move(starter));
}

} // namespace tk
