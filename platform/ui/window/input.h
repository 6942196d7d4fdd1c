#pragma once
// Qt's input events turned into the window system's messages: hit tests, cursor requests,
// activation by click, mouse messages to the window under the mouse or with the capture, key
// messages to the focus window with their characters.
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace ui {

class TWindowWidget;

namespace input {

enum class TMouseAction { Press, DoubleClick, Release, Move };
void Mouse(TWindowWidget* widget, QMouseEvent* event, TMouseAction action);
void Wheel(TWindowWidget* widget, QWheelEvent* event);
void Key(QKeyEvent* event, bool press);
void Leave(TWindowWidget* widget);

} // namespace input
} // namespace ui
