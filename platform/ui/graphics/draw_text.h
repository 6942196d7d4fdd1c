#pragma once
// The platform's text layout call: DrawText with its DT_ flags, and the edge and frame helpers.
#include <string>

#include "platform/ui/graphics/types.h"

namespace ui {

class TCanvas;

constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_TABSTOP = 0x0080;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_EXTERNALLEADING = 0x0200;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// Lays text out in rect with the canvas's font and draws it (text colour = font colour; the
// brush fills each line's text cell unless it is clear). "&x" underlines x and "&&" is one "&"
// unless DT_NOPREFIX. With DT_CALCRECT nothing is drawn: rect's right and bottom are set to the
// extent of the text as it would be drawn. Returns the height of the text.
int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format);

} // namespace ui
