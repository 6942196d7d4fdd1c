#pragma once
// The window system the controls stand on: windows by handle with their styles, text, frame and
// enabled state; sent and posted messages; focus, activation and mouse capture; painting
// through device contexts; timers; the keyboard state and the system metrics. Its behaviour is
// the original platform's where the component library depends on it; Qt provides the windows,
// the input and the event loop underneath, but none of its focus, shortcut or modality logic
// takes part.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/core/messages.h"

namespace ui {

class TWinControl;

// Windows. A control's window is made by TWinControl when it needs one; handleSlot receives the
// handle before the first message (WM_NCCREATE) reaches the control.
HWND CreateWindowFor(TWinControl* control, const TCreateParams& params, HWND& handleSlot);
void DestroyWindow(HWND window);
bool IsWindow(HWND window);
TWinControl* FindControl(HWND window);
HWND GetParent(HWND window);
// The window that owns a top-level window (its task-bar entry goes with the owner's), or 0.
HWND GetWindowOwner(HWND window);
// The top-level window a window belongs to (itself for a top-level one).
HWND GetAncestorRoot(HWND window);
bool IsChild(HWND parent, HWND window); // window is a descendant of parent

// Messages. SendMessage runs the window's procedure now; PostMessage queues the message for the
// event loop (false for a window that does not exist); a posted message whose window is
// destroyed before it is delivered is dropped.
LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// The default window procedure: frames, hit tests, activation, closing, system keys.
void DefWindowProc(HWND window, TMessage& message);

// Styles and text.
int32_t GetWindowLong(HWND window, int index);
int32_t SetWindowLong(HWND window, int index, int32_t value);
std::string GetWindowText(HWND window);

// Geometry: a window's rectangle is in screen coordinates; a child's position is in its
// parent's client coordinates. The client area is what the frame (non-client area) leaves.
bool GetWindowRect(HWND window, TRect& rect);
bool GetClientRect(HWND window, TRect& rect);
TPoint ClientToScreen(HWND window, TPoint point);
TPoint ScreenToClient(HWND window, TPoint point);
// The client area's offset inside the window rectangle (the frame's left and top widths).
TPoint ClientOrigin(HWND window);
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND window, int x, int y, int cx, int cy);
bool ShowWindow(HWND window, int command);
bool IsWindowVisible(HWND window); // the window and all its parents are shown
bool IsIconic(HWND window);
bool IsZoomed(HWND window);
HWND WindowFromPoint(TPoint screenPoint);

// Enabled state: a disabled window (or a child of one) receives no mouse or keyboard input.
bool EnableWindow(HWND window, bool enable); // true when the window was disabled before
bool IsWindowEnabled(HWND window);

// Focus, activation and capture.
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();
// Top-level windows, most recently activated first.
void EnumTopLevelWindows(const std::function<void(HWND)>& visit);

// Painting. Invalidated areas are painted on the next pass of the event loop (WM_NCPAINT,
// WM_ERASEBKGND, WM_PAINT); UpdateWindow paints them now. BeginPaint gives the device context of
// the paint in progress; GetDC and GetWindowDC draw at once, also outside a paint.
bool InvalidateRect(HWND window, const TRect* rect, bool erase);
bool RedrawWindow(HWND window, const TRect* rect, UINT flags);
bool UpdateWindow(HWND window);
struct TPaintStruct {
    HDC hdc = nullptr;
    bool fErase = false;
    TRect rcPaint;
};
HDC BeginPaint(HWND window, TPaintStruct& paint);
void EndPaint(HWND window, const TPaintStruct& paint);
HDC GetDC(HWND window);       // client area
HDC GetWindowDC(HWND window); // the whole window, frame included
void ReleaseDC(HWND window, HDC dc);
// Whether a device context is a window's (GetDC, GetWindowDC, BeginPaint) rather than a canvas
// of a bitmap.
bool IsWindowDC(HDC dc);

// Timers: WM_TIMER to the window every elapse milliseconds (at least 10), or the procedure
// instead; the same window and identifier replace a running timer.
using TTimerProc = std::function<void(HWND window, UINT msg, uintptr_t id, uint32_t time)>;
uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapse, TTimerProc proc = nullptr);
bool KillTimer(HWND window, uintptr_t id);

// Input state.
bool GetCursorPos(TPoint& point);
void SetCursorPos(TPoint point);
// High bit (negative result) while the key is down, as the last input event reported it.
int16_t GetKeyState(int virtualKey);
void SetCursorShape(int cursor); // a TCursor value for the window under the mouse
int GetSystemMetrics(int index);
uint32_t GetTickCount();

// The default beep; a test may count them.
void MessageBeep(UINT type);
int BeepCount();

} // namespace ui
