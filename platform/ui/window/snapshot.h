#pragma once
// A picture of a window as it is on screen, frame and child windows included (for the gallery
// and for the pixel tests of painting through messages).
#include "platform/ui/core/messages.h"

namespace ui {

class TBitmap;

// Paints whatever is invalid and copies the window into the bitmap (resized to the window).
void SnapshotWindow(HWND window, TBitmap& bitmap);

} // namespace ui
