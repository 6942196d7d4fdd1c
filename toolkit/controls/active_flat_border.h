#pragma once
// The flat border of the active edit and combo: one frame on the window's outer edge (a
// one-pixel bevel, or a line in the border colour), and one in the control's colour just inside
// it, covering the platform's sunken edge.
#include "platform/ui/controls/win_control.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/stdctrls/panel.h"

namespace tk {

// Draws both frames on rect: a bevel other than bvNone gives highlight top-left and shadow
// bottom-right for bvRaised (the reverse for the others); bvNone a frame in outer.
void DrawFlatFrames(ui::TCanvas& canvas, const ui::TRect& rect, ui::TPanelBevel bevel,
                    ui::TColor outer, ui::TColor inner);

// The same on the whole window of control, frame included; nothing without a window.
void DrawFlatBorder(ui::TWinControl& control, ui::TPanelBevel bevel, ui::TColor outer,
                    ui::TColor inner);

// A one-pixel bevel: topLeft on the top and left edges, bottomRight on the others.
void DrawBevelFrame(ui::TCanvas& canvas, const ui::TRect& rect, ui::TColor topLeft,
                    ui::TColor bottomRight);

} // namespace tk
