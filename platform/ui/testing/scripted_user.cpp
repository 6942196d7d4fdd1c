#include "platform/ui/testing/scripted_user.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/window/window_system.h"
#include "platform/ui/window/window_widget.h"

namespace ui::testing {

namespace {

Qt::MouseButton QtButton(TMouseButton button) {
    switch (button) {
    case mbRight:
        return Qt::RightButton;
    case mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

Qt::KeyboardModifiers QtModifiers(TShiftState shift) {
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    if (shift & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

Qt::Key QtKey(uint16_t vk) {
    if (vk >= 'A' && vk <= 'Z')
        return Qt::Key(Qt::Key_A + (vk - 'A'));
    if (vk >= '0' && vk <= '9')
        return Qt::Key(Qt::Key_0 + (vk - '0'));
    if (vk >= VK_F1 && vk <= VK_F12)
        return Qt::Key(Qt::Key_F1 + (vk - VK_F1));
    switch (vk) {
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_TAB:
        return Qt::Key_Tab;
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_UP:
        return Qt::Key_Up;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_END:
        return Qt::Key_End;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_SHIFT:
        return Qt::Key_Shift;
    case VK_CONTROL:
        return Qt::Key_Control;
    case VK_MENU:
        return Qt::Key_Alt;
    default:
        throw std::runtime_error("the scripted user has no key for code " + std::to_string(vk));
    }
}

// The widget a control's point lies in, and the point in that widget's coordinates.
QWidget* WidgetAt(TControl& control, int x, int y, QPoint& local) {
    TWinControl* window = dynamic_cast<TWinControl*>(&control);
    int dx = 0, dy = 0;
    if (!window) {
        window = control.Parent();
        dx = control.Left();
        dy = control.Top();
    }
    if (!window)
        throw std::runtime_error("control " + control.Name() + " is on no window");
    HWND handle = window->Handle();
    QWidget* widget = WidgetOf(handle);
    if (!widget)
        throw std::runtime_error("control " + control.Name() + " has no window");
    TPoint origin = ClientOrigin(handle);
    local = QPoint(origin.X + dx + x, origin.Y + dy + y);
    return widget;
}

QWidget* KeyboardWidget(TCustomForm& form) {
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target)
        target = form.Handle();
    return WidgetOf(GetAncestorRoot(target));
}

} // namespace

TComponent& TScriptActor::Find(const std::string& name) {
    if (SameText(form_.Name(), name))
        return form_;
    TComponent* found = form_.FindComponent(name);
    if (!found)
        throw std::runtime_error("form " + form_.Name() + " has no component named " + name);
    return *found;
}

TControl& TScriptActor::Control(const std::string& name) {
    auto* control = dynamic_cast<TControl*>(&Find(name));
    if (!control)
        throw std::runtime_error(name + " is not a control");
    return *control;
}

void TScriptActor::Click(const std::string& name, TMouseButton button, TShiftState shift) {
    TControl& control = Control(name);
    TRect client = control.ClientRect();
    ClickAt(name, client.Width() / 2, client.Height() / 2, button, shift);
}

void TScriptActor::ClickAt(const std::string& name, int x, int y, TMouseButton button,
                           TShiftState shift) {
    QPoint local;
    QWidget* widget = WidgetAt(Control(name), x, y, local);
    QTest::mouseClick(widget, QtButton(button), QtModifiers(shift), local);
}

void TScriptActor::DoubleClick(const std::string& name) {
    TControl& control = Control(name);
    TRect client = control.ClientRect();
    QPoint local;
    QWidget* widget = WidgetAt(control, client.Width() / 2, client.Height() / 2, local);
    QTest::mousePress(widget, Qt::LeftButton, {}, local);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, local);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, local);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, local);
}

void TScriptActor::Press(const std::string& name, int x, int y, TMouseButton button) {
    QPoint local;
    QWidget* widget = WidgetAt(Control(name), x, y, local);
    QTest::mousePress(widget, QtButton(button), {}, local);
}

void TScriptActor::Release(const std::string& name, int x, int y, TMouseButton button) {
    QPoint local;
    QWidget* widget = WidgetAt(Control(name), x, y, local);
    QTest::mouseRelease(widget, QtButton(button), {}, local);
}

void TScriptActor::MoveTo(const std::string& name, int x, int y) {
    QPoint local;
    QWidget* widget = WidgetAt(Control(name), x, y, local);
    QTest::mouseMove(widget, local);
}

void TScriptActor::Wheel(const std::string& name, int delta, TShiftState shift) {
    TControl& control = Control(name);
    TRect client = control.ClientRect();
    QPoint local;
    QWidget* widget = WidgetAt(control, client.Width() / 2, client.Height() / 2, local);
    QPointF global = widget->mapToGlobal(QPointF(local));
    QWheelEvent event(QPointF(local), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                      QtModifiers(shift), Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void TScriptActor::Key(uint16_t virtualKey, TShiftState shift) {
    QTest::keyClick(KeyboardWidget(form_), QtKey(virtualKey), QtModifiers(shift));
}

void TScriptActor::Type(const std::string& text) {
    QTest::keyClicks(KeyboardWidget(form_), QString::fromUtf8(text.c_str()));
}

TWinControl* TScriptActor::Focused() const {
    return FindControl(GetFocus());
}

std::string TScriptActor::FocusedName() const {
    TWinControl* focused = Focused();
    return focused ? focused->Name() : std::string();
}

bool TScriptActor::IsEnabled(const std::string& name) {
    return Control(name).Enabled();
}

bool TScriptActor::IsVisible(const std::string& name) {
    return Control(name).Visible();
}

std::string TScriptActor::Text(const std::string& name) {
    return Control(name).Text();
}

void TScriptActor::ProcessMessages() {
    Application()->ProcessMessages();
}

void TScriptActor::Then(TModalScript step) {
    HWND handle = form_.Handle();
    TScriptedUser* user = &user_;
    auto id = std::make_shared<uintptr_t>(0);
    *id = SetTimer(0, 0, 1, [handle, user, id, step](HWND, UINT, uintptr_t, uint32_t) {
        KillTimer(0, *id);
        auto* form = dynamic_cast<TCustomForm*>(FindControl(handle));
        if (!form || !(form->FormState() & fsModal)) {
            user->failures_.push_back("a step came after its form closed");
            return;
        }
        user->RunStep(*form, step);
    });
    user_.watchdogs_.push_back(*id);
}

TScriptedUser::TScriptedUser() {
    previousHook_ = Application()->OnModalBegin;
    Application()->OnModalBegin = [this](TCustomForm& form) { ModalBegins(form); };
}

TScriptedUser::~TScriptedUser() {
    Application()->OnModalBegin = previousHook_;
    for (uintptr_t id : watchdogs_)
        KillTimer(0, id);
}

TScriptedUser& TScriptedUser::Expect(const std::string& formName, TModalScript script) {
    expected_.push_back({formName, std::move(script)});
    return *this;
}

std::vector<std::string> TScriptedUser::Finish() {
    std::vector<std::string> result = failures_;
    for (const TExpectation& e : expected_)
        result.push_back("no modal form " +
                         (e.FormName.empty() ? std::string("at all") : e.FormName) +
                         " came for its script");
    expected_.clear();
    failures_.clear();
    return result;
}

void TScriptedUser::ModalBegins(TCustomForm& form) {
    modalForms_.push_back(form.Name());
    auto it = expected_.begin();
    while (it != expected_.end() && !it->FormName.empty() && !SameText(it->FormName, form.Name()))
        ++it;
    if (it == expected_.end()) {
        failures_.push_back("modal form " + form.Name() + " came without a script");
        form.SetModalResult(mrCancel);
        return;
    }
    TModalScript script = std::move(it->Script);
    expected_.erase(it);
    RunStep(form, script);
    StartWatchdog(form);
}

void TScriptedUser::RunStep(TCustomForm& form, const TModalScript& step) {
    TScriptActor actor(form, *this);
    try {
        step(actor);
    } catch (const std::exception& e) {
        failures_.push_back("script for " + form.Name() + ": " + e.what());
        if (IsWindow(form.WindowHandle()) && (form.FormState() & fsModal) && !form.ModalResult())
            form.SetModalResult(mrAbort);
    }
}

void TScriptedUser::StartWatchdog(TCustomForm& form) {
    HWND handle = form.WindowHandle();
    std::string name = form.Name();
    auto* failures = &failures_;
    auto id = std::make_shared<uintptr_t>(0);
    *id = SetTimer(
        0, 0, UINT(watchdogMs_), [handle, name, failures, id](HWND, UINT, uintptr_t, uint32_t) {
            KillTimer(0, *id);
            auto* stuck = dynamic_cast<TCustomForm*>(FindControl(handle));
            if (stuck && (stuck->FormState() & fsModal) && stuck->ModalResult() == mrNone) {
                failures->push_back("modal form " + name + " was still open after its script");
                stuck->SetModalResult(mrAbort);
            }
        });
    watchdogs_.push_back(*id);
}

} // namespace ui::testing
