#pragma once
// The scripted user of the GUI tests. While it exists, every form that enters its modal loop is
// handed to the next script expected for it; the script plays the user through Qt Test's input
// simulation (clicks on controls by name, keys to the focused window, typing) and reads state.
// A modal form that no script expects, or that is still modal long after its script returned,
// is recorded as a failure and closed (so a test never hangs).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/core/events.h"

namespace ui {

class TComponent;
class TControl;
class TCustomForm;
class TWinControl;

namespace testing {

class TScriptedUser;
class TScriptActor;
using TModalScript = std::function<void(TScriptActor& user)>;

class TScriptActor {
public:
    TScriptActor(TCustomForm& form, TScriptedUser& user) : form_(form), user_(user) {}

    TCustomForm& Form() { return form_; }
    // The form's component of that name (the form itself for its own name); raises
    // std::runtime_error naming it when there is none.
    TComponent& Find(const std::string& name);
    TControl& Control(const std::string& name);

    // Mouse input at a point of the control's client area (its centre by default).
    void Click(const std::string& name, TMouseButton button = mbLeft, TShiftState shift = 0);
    void ClickAt(const std::string& name, int x, int y, TMouseButton button = mbLeft,
                 TShiftState shift = 0);
    void DoubleClick(const std::string& name);
    void Press(const std::string& name, int x, int y, TMouseButton button = mbLeft);
    void Release(const std::string& name, int x, int y, TMouseButton button = mbLeft);
    void MoveTo(const std::string& name, int x, int y);
    void Wheel(const std::string& name, int delta, TShiftState shift = 0);

    // Keys go to the window with the focus: a virtual key code ('A', VK_TAB, VK_F2 ...) with
    // the modifiers held around it.
    void Key(uint16_t virtualKey, TShiftState shift = 0);
    void Alt(char letter) {
        Key(uint16_t(letter >= 'a' && letter <= 'z' ? letter - 32 : letter), ssAlt);
    }
    void Type(const std::string& text);

    // State.
    TWinControl* Focused() const;
    std::string FocusedName() const;
    bool IsEnabled(const std::string& name);
    bool IsVisible(const std::string& name);
    std::string Text(const std::string& name);
    void ProcessMessages();
    // Runs the next step from the modal loop, after the loop has handled what the steps so far
    // caused (a refused close, a timer), while the form is still modal.
    void Then(TModalScript step);

private:
    TCustomForm& form_;
    TScriptedUser& user_;
};

class TScriptedUser {
public:
    TScriptedUser();
    ~TScriptedUser();
    TScriptedUser(const TScriptedUser&) = delete;
    TScriptedUser& operator=(const TScriptedUser&) = delete;

    // The next modal form with that name (any form when the name is empty) runs the script.
    TScriptedUser& Expect(const std::string& formName, TModalScript script);
    // How long a form may stay modal after its script returned (its own timers may close it).
    void SetWatchdog(int milliseconds) { watchdogMs_ = milliseconds; }

    // The names of the modal forms met so far, in order.
    const std::vector<std::string>& ModalForms() const { return modalForms_; }
    // Everything that went wrong, including scripts that no form used; empty when the user
    // did exactly what was expected.
    std::vector<std::string> Finish();

private:
    friend class TScriptActor;
    void RunStep(TCustomForm& form, const TModalScript& step);
    struct TExpectation {
        std::string FormName;
        TModalScript Script;
    };
    void ModalBegins(TCustomForm& form);
    void StartWatchdog(TCustomForm& form);

    std::vector<TExpectation> expected_;
    std::vector<std::string> modalForms_;
    std::vector<std::string> failures_;
    std::function<void(TCustomForm&)> previousHook_;
    std::vector<uintptr_t> watchdogs_;
    int watchdogMs_ = 20000;
};

} // namespace testing
} // namespace ui
