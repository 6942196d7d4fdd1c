#pragma once
// TApplication: the program's message processing and loops. It owns the forms made with it as
// owner, knows the main form, processes messages (key messages go to the focused control as
// CN_ notifications first, so dialog keys and accelerators work), tracks the control under the
// mouse for the mouse-enter and mouse-leave notifications, and reports an error that leaves an
// event handler with the standard error report, a message box with its text, after which the
// loop goes on.
#include <exception>
#include <functional>
#include <string>

#include "platform/ui/core/component.h"
#include "platform/ui/core/events.h"
#include "platform/ui/graphics/types.h"

namespace ui {

class TCustomForm;
class TControl;
class THintWindow;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

class TApplication : public TComponent {
public:
    TApplication();

    // Makes the Qt application when the program has none yet (the platform's start-up),
    // installs the font substitutions and the message processing.
    static void Initialize(int& argc, char** argv);

    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form);
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
    void SetMainFormOnTaskBar(bool value) { mainFormOnTaskBar_ = value; }
    // Makes a stored form owned by the application; the first one becomes the main form.
    template <class T> T* CreateForm();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor value) { hintColor_ = value; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int value) { hintPause_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }

    // Handles every message that is waiting, without waiting for more.
    void ProcessMessages();
    // Waits for messages and handles them.
    void HandleMessage();
    // The main loop, until Terminate.
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();
    void BringToFront();

    // The standard error report for the exception being handled: OnException when assigned,
    // else a message box with the error's text; EAbort is silent.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& error);
    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Called when a form enters its modal loop (the scripted user of the tests).
    std::function<void(TCustomForm& form)> OnModalBegin;
    int ModalLevel() const { return modalLevel_; }
    void EnterModal() { ++modalLevel_; }
    void LeaveModal() { --modalLevel_; }

    // The control under the mouse (for CM_MOUSEENTER / CM_MOUSELEAVE).
    TControl* MouseControl() const { return mouseControl_; }
    void TrackMouse(TPoint screenPoint, bool leftWindow);

    // Hints: the hint of the control under the mouse shows after HintPause and hides after
    // HintHidePause, on a click or a key.
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int value) { hintHidePause_ = value; }
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void StartHint(TControl* control);
    void ShowHintNow();

    TCustomForm* mainForm_ = nullptr;
    bool mainFormOnTaskBar_ = false;
    std::string title_;
    TColor hintColor_ = clInfoBk;
    int hintPause_ = 500;
    bool showHint_ = true;
    bool terminated_ = false;
    bool minimized_ = false;
    int modalLevel_ = 0;
    TControl* mouseControl_ = nullptr;
    TControl* hintControl_ = nullptr;
    THintWindow* hintWindow_ = nullptr;
    int hintHidePause_ = 2500;
    uintptr_t hintTimer_ = 0;
};

TApplication* Application();

} // namespace ui

#include "platform/ui/forms/form.h"

namespace ui {

template <class T> T* TApplication::CreateForm() {
    T* form = ui::CreateForm<T>(this);
    if (!mainForm_)
        SetMainForm(form);
    return form;
}

} // namespace ui
