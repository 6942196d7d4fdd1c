#pragma once
// Inside the window system: the record of every window, the focus, activation and capture
// state, and the hooks through which the component library receives input messages and reports
// errors that leave a message handler. Not for use outside platform/ui/window.
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/core/messages.h"
#include "platform/ui/window/window_system.h"

namespace ui {

class TWindowWidget;

struct TWindowRecord {
    HWND Handle = 0;
    TWinControl* Control = nullptr;
    HWND Parent = 0; // 0 for a top-level window
    HWND Owner = 0;  // a top-level window's owner
    TWindowWidget* Widget = nullptr;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    uint32_t ClassStyle = 0;
    int32_t Id = 0;
    std::string Text;
    TRect Rect;        // screen coordinates for a top-level window, else parent client
    TRect Frame;       // widths of the non-client area: Left, Top, Right, Bottom
    TRect RestoreRect; // the normal placement while maximised or minimised
    bool Enabled = true;
    bool Shown = false; // WS_VISIBLE
    bool Maximized = false;
    bool Minimized = false;
    bool Destroying = false;
    std::vector<HWND> Children; // bottom to top
};

// A message as the event loop hands it on: input and posted messages pass through the
// component library's message processing (key messages to controls, dialog keys) before they
// reach the window's procedure.
struct TMsg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;
    TPoint pt;
};

namespace wm {

TWindowRecord* Find(HWND window);
std::vector<HWND> TopLevelWindows(); // most recently activated first
HWND NewHandle();
void Register(TWindowRecord* record);
void Unregister(HWND window);

// The component library's message processing (OnMessage hook, key messages to controls); the
// default dispatches the message and translates key-downs into characters.
using TMessageProcessor = std::function<void(TMsg& msg)>;
void SetMessageProcessor(TMessageProcessor processor);
void ProcessMessage(TMsg& msg);
// Sends the message to its window's procedure.
LRESULT DispatchMessage(const TMsg& msg);
// A key-down of the input event being handled produces its character message (WM_CHAR or
// WM_SYSCHAR), processed as soon as the key-down's processing returns.
void TranslateMessage(const TMsg& msg);
// Hooks of the component library: errors that leave a handler, and every mouse movement (for
// the mouse-enter and mouse-leave notifications of windowless controls).
void SetExceptionHandler(std::function<void(std::exception_ptr)> handler);
void ReportException(std::exception_ptr error);
void SetMouseHook(std::function<void(HWND window, TPoint screenPoint, bool left)> hook);
void CallMouseHook(HWND window, TPoint screenPoint, bool left);

// Input state kept from the last input event.
void SetModifiers(bool shift, bool control, bool alt);
void SetButtons(bool left, bool right, bool middle);
void SetCursorPosition(TPoint screen);

// Frames: the default non-client widths of a style, painting and hit testing.
TRect DefaultFrame(uint32_t style, uint32_t exStyle);
void PaintDefaultFrame(HWND window, TCanvas& dc);
LRESULT DefaultHitTest(HWND window, TPoint screen);
void RecalcFrame(HWND window);
void SyncWidgetGeometry(HWND window);

// The window's own drag loops (caption moves, border sizes) started by the default procedure.
void BeginMoveSize(HWND window, LRESULT hitTest, TPoint screen);
bool MoveSizeActive();
void ContinueMoveSize(TPoint screen);
void EndMoveSize();

// Activation that follows hiding or destroying the active window.
void ActivateNextWindow(HWND leaving);
void ForgetWindow(HWND window);
// A window (or its top-level) receives input: exists, is enabled with all its parents.
bool InputEnabled(HWND window);

// Device contexts of a window during and outside painting.
void ReleaseWindowDCs(HWND window);
void KillWindowTimers(HWND window);

} // namespace wm
} // namespace ui
