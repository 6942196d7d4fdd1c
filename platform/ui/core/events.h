#pragma once
// The event types of the component library: shift states, mouse buttons, cursors, modal results
// and the handler signatures that components publish (OnClick, OnKeyDown, ...). A handler is a
// std::function; the form reader binds a form's published methods to them by name.
#include <cstdint>
#include <functional>

#include "platform/ui/graphics/types.h"

namespace ui {

class TObject;

// Modifier keys and mouse buttons held when an event happened.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Mouse cursors: crDefault defers to the parent; the others are the platform's shapes.
using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// Modal results of buttons and forms.
using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* sender, TShiftState shift, TPoint mousePos, bool& handled)>;
using TMouseWheelEvent = std::function<void(TObject* sender, TShiftState shift, int wheelDelta,
                                            TPoint mousePos, bool& handled)>;
using TCanResizeEvent =
    std::function<void(TObject* sender, int& newWidth, int& newHeight, bool& resize)>;

// Calls a handler when one is assigned.
template <typename F, typename... A> void Fire(const F& handler, A&&... args) {
    if (handler)
        handler(std::forward<A>(args)...);
}

} // namespace ui
