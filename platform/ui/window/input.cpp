// Qt's mouse and keyboard events as the window system's messages.
#include "platform/ui/window/input.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <optional>

#include "platform/ui/window/window_manager.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

namespace {

struct TInputState {
    bool Shift = false;
    bool Control = false;
    bool Alt = false;
    bool LeftButton = false;
    bool RightButton = false;
    bool MiddleButton = false;
    TPoint Cursor;
    // A key-down of the key event being handled asked for its character (TranslateMessage).
    bool CharRequested = false;
    TMsg CharSource;
};

TInputState& Input() {
    static TInputState state;
    return state;
}

void TakeModifiers(Qt::KeyboardModifiers m) {
    wm::SetModifiers(m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier);
}

void TakeButtons(Qt::MouseButtons b) {
    wm::SetButtons(b & Qt::LeftButton, b & Qt::RightButton, b & Qt::MiddleButton);
}

WPARAM MouseKeys() {
    const TInputState& s = Input();
    WPARAM keys = 0;
    if (s.LeftButton)
        keys |= MK_LBUTTON;
    if (s.RightButton)
        keys |= MK_RBUTTON;
    if (s.MiddleButton)
        keys |= MK_MBUTTON;
    if (s.Shift)
        keys |= MK_SHIFT;
    if (s.Control)
        keys |= MK_CONTROL;
    return keys;
}

// The client message of a button action (0 for moves).
UINT ButtonMessage(Qt::MouseButton button, input::TMouseAction action) {
    int index = button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : 0;
    switch (action) {
    case input::TMouseAction::Press:
        return WM_LBUTTONDOWN + UINT(index * 3);
    case input::TMouseAction::DoubleClick:
        return WM_LBUTTONDBLCLK + UINT(index * 3);
    case input::TMouseAction::Release:
        return WM_LBUTTONUP + UINT(index * 3);
    default:
        return WM_MOUSEMOVE;
    }
}

UINT NonClientMessage(UINT clientMessage) {
    switch (clientMessage) {
    case WM_MOUSEMOVE:
        return WM_NCMOUSEMOVE;
    case WM_LBUTTONDOWN:
        return WM_NCLBUTTONDOWN;
    case WM_LBUTTONUP:
        return WM_NCLBUTTONUP;
    case WM_LBUTTONDBLCLK:
        return WM_NCLBUTTONDBLCLK;
    case WM_RBUTTONDOWN:
        return WM_NCRBUTTONDOWN;
    case WM_RBUTTONUP:
        return WM_NCRBUTTONUP;
    default:
        return 0;
    }
}

// A disabled child passes the mouse to its parent; a hit test answering "transparent" too.
HWND RouteToEnabled(HWND window) {
    while (true) {
        TWindowRecord* r = wm::Find(window);
        if (!r || !r->Parent || r->Enabled)
            return window;
        window = r->Parent;
    }
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TMsg msg;
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    msg.pt = Input().Cursor;
    wm::ProcessMessage(msg);
}

void Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        wm::ReportException(std::current_exception());
    }
}

uint16_t VirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return uint16_t('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return uint16_t('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return uint16_t(VK_F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Period:
        return 0xBE; // VK_OEM_PERIOD
    case Qt::Key_Comma:
        return 0xBC; // VK_OEM_COMMA
    case Qt::Key_Semicolon:
        return 0xBA; // VK_OEM_1
    default:
        return 0;
    }
}

// The character a key produces: the event's text, or the key's own character when a
// simulated event carries none.
std::optional<char> KeyChar(const QKeyEvent* event, uint16_t vk) {
    QString text = event->text();
    if (!text.isEmpty()) {
        char16_t c = text.at(0).unicode();
        if (c < 256)
            return char(c);
        return '?';
    }
    bool shift = event->modifiers() & Qt::ShiftModifier;
    bool control = event->modifiers() & Qt::ControlModifier;
    if (vk >= 'A' && vk <= 'Z') {
        if (control)
            return char(vk - 'A' + 1);
        return shift ? char(vk) : char(vk - 'A' + 'a');
    }
    if (vk >= '0' && vk <= '9' && !control)
        return char(vk);
    switch (vk) {
    case VK_RETURN:
        return '\r';
    case VK_ESCAPE:
        return '\x1b';
    case VK_TAB:
        return '\t';
    case VK_BACK:
        return '\b';
    case VK_SPACE:
        return ' ';
    default:
        return std::nullopt;
    }
}

} // namespace

namespace wm {

void SetModifiers(bool shift, bool control, bool alt) {
    Input().Shift = shift;
    Input().Control = control;
    Input().Alt = alt;
}

void SetButtons(bool left, bool right, bool middle) {
    Input().LeftButton = left;
    Input().RightButton = right;
    Input().MiddleButton = middle;
}

void SetCursorPosition(TPoint screen) {
    Input().Cursor = screen;
}

void TranslateMessage(const TMsg& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return;
    Input().CharRequested = true;
    Input().CharSource = msg;
}

} // namespace wm

bool GetCursorPos(TPoint& point) {
    point = Input().Cursor;
    return true;
}

void SetCursorPos(TPoint point) {
    Input().Cursor = point;
}

int16_t GetKeyState(int virtualKey) {
    const TInputState& s = Input();
    bool down = false;
    switch (virtualKey) {
    case VK_SHIFT:
        down = s.Shift;
        break;
    case VK_CONTROL:
        down = s.Control;
        break;
    case VK_MENU:
        down = s.Alt;
        break;
    case VK_LBUTTON:
        down = s.LeftButton;
        break;
    case VK_RBUTTON:
        down = s.RightButton;
        break;
    case VK_MBUTTON:
        down = s.MiddleButton;
        break;
    default:
        break;
    }
    return down ? int16_t(-128) : int16_t(0);
}

namespace input {

void Mouse(TWindowWidget* widget, QMouseEvent* event, TMouseAction action) {
    HWND window = widget->Handle();
    if (!wm::Find(window))
        return;
    TakeModifiers(event->modifiers());
    TakeButtons(event->buttons());
    TPoint screen = ClientToScreen(window, {0, 0});
    TPoint origin = ClientOrigin(window);
    QPoint local = event->position().toPoint();
    screen = {screen.X - origin.X + local.x(), screen.Y - origin.Y + local.y()};
    wm::SetCursorPosition(screen);
    // Qt keeps sending to the pressed widget while a button is down; without a capture the
    // mouse belongs to the window under it.
    if (!widget->rect().contains(local))
        if (HWND under = WindowFromPoint(screen))
            window = under;

    Guarded([&] {
        if (wm::MoveSizeActive()) {
            if (action == TMouseAction::Move)
                wm::ContinueMoveSize(screen);
            else if (action == TMouseAction::Release)
                wm::EndMoveSize();
            return;
        }
        UINT clientMessage = ButtonMessage(event->button(), action);
        HWND target = GetCapture();
        LRESULT hit = HTCLIENT;
        if (!target) {
            HWND root = GetAncestorRoot(window);
            if (!IsWindowEnabled(root)) {
                // A window behind a modal one: the platform beeps and brings the modal
                // window forward on a click.
                SendMessage(root, WM_SETCURSOR, root, MakeLParam(int(HTERROR), int(clientMessage)));
                return;
            }
            target = RouteToEnabled(window);
            hit = SendMessage(target, WM_NCHITTEST, 0, PointToLParam(screen));
            while (hit == HTTRANSPARENT && GetParent(target)) {
                target = GetParent(target);
                hit = SendMessage(target, WM_NCHITTEST, 0, PointToLParam(screen));
            }
            if (!wm::Find(target))
                return;
            bool press = action == TMouseAction::Press || action == TMouseAction::DoubleClick;
            HWND top = GetAncestorRoot(target);
            if (press && top != GetActiveWindow()) {
                LRESULT answer = SendMessage(target, WM_MOUSEACTIVATE, top,
                                             MakeLParam(int(hit), int(clientMessage)));
                // MA_NOACTIVATE: a drop-down list is clicked without taking the activation.
                if (answer != 3)
                    SetActiveWindow(top);
            }
            if (!wm::Find(target))
                return;
            SendMessage(target, WM_SETCURSOR, target, MakeLParam(int(hit), int(clientMessage)));
        }
        if (!wm::Find(target))
            return;
        wm::CallMouseHook(target, screen, false);
        if (!wm::Find(target))
            return;
        if (action == TMouseAction::DoubleClick) {
            TWindowRecord* r = wm::Find(target);
            if (!(r->ClassStyle & CS_DBLCLKS))
                clientMessage = ButtonMessage(event->button(), TMouseAction::Press);
        }
        if (hit == HTCLIENT) {
            Post(target, clientMessage, MouseKeys(), PointToLParam(ScreenToClient(target, screen)));
        } else if (UINT nc = NonClientMessage(clientMessage)) {
            Post(target, nc, WPARAM(hit), PointToLParam(screen));
        }
    });
}

void Wheel(TWindowWidget* widget, QWheelEvent* event) {
    if (!wm::Find(widget->Handle()))
        return;
    TakeModifiers(event->modifiers());
    TakeButtons(event->buttons());
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target || !wm::InputEnabled(target))
        return;
    int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    TPoint screen = Input().Cursor;
    QPoint global = event->globalPosition().toPoint();
    if (!global.isNull())
        screen = {global.x(), global.y()};
    Guarded([&] {
        Post(target, WM_MOUSEWHEEL, MakeWParam(int(MouseKeys()), delta), PointToLParam(screen));
    });
}

void Key(QKeyEvent* event, bool press) {
    TakeModifiers(event->modifiers());
    uint16_t vk = VirtualKey(event->key());
    if (!vk)
        return;
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target || !wm::InputEnabled(target))
        return;
    bool alt = event->modifiers() & Qt::AltModifier;
    bool control = event->modifiers() & Qt::ControlModifier;
    bool system = (alt && !control) || vk == VK_F10 || (vk == VK_MENU && !control);
    LPARAM data = 1;
    if (alt)
        data |= KF_ALTDOWN_LPARAM;
    if (!press)
        data |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    UINT message =
        press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);

    TInputState& s = Input();
    s.CharRequested = false;
    Guarded([&] {
        Post(target, message, vk, data);
        if (!press || !s.CharRequested)
            return;
        s.CharRequested = false;
        std::optional<char> c = KeyChar(event, vk);
        if (!c || vk == VK_MENU || vk == VK_SHIFT || vk == VK_CONTROL)
            return;
        HWND charTarget = GetFocus() ? GetFocus() : GetActiveWindow();
        if (!charTarget || !wm::InputEnabled(charTarget))
            return;
        UINT charMessage = s.CharSource.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        Post(charTarget, charMessage, WPARAM(uint8_t(*c)), data);
    });
}

void Leave(TWindowWidget* widget) {
    HWND window = widget->Handle();
    if (!wm::Find(window) || GetParent(window))
        return;
    Guarded([&] { wm::CallMouseHook(window, Input().Cursor, true); });
}

} // namespace input
} // namespace ui
