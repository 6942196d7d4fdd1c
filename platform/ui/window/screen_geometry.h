#pragma once
// The screen the windows live on: its rectangle and work area, which a test may set (the
// offscreen platform's screen is otherwise what Qt reports), and the application-wide cursor.
#include "platform/ui/graphics/types.h"

namespace ui {

TRect ScreenRect();
TRect WorkAreaRect();
void SetScreenGeometry(const TRect& screen, const TRect& workArea);
void ResetScreenGeometry();
// Bits per pixel of the screen (what decides between the full-colour and the low-colour look).
int ScreenColorDepth();
// A TCursor shown over every window (0 removes it).
void SetOverrideCursor(int cursor);

} // namespace ui
