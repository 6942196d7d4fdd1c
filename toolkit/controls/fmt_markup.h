#pragma once
// The formatted label's markup: a caption with inline codes, read from left to right.
//   carriage return     a new line (a line feed is ordinary text)
//   @n  &n  $n          font colour (entry n of the markup colours), size in points, style
//                       (0 none, 1 italic, 2 bold, 3 bold italic)
//   %  ~                shadow on/off, blink on/off
//   \ before $ % & @ ~  that character as text; before anything else a backslash as text
// The digits of a code are those right after it; a code without digits changes nothing.
#include <string>
#include <vector>

#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/types.h"

namespace tk {

struct TFmtAttributes {
    ui::TFont Font;
    bool Shadow = false;
    bool Blink = false;
};

struct TFmtSegment {
    std::string Text;
    TFmtAttributes Attributes;
};

using TFmtLine = std::vector<TFmtSegment>;

// Number of entries of the markup's colour table: 16 fixed colours, then the system colours
// from the scroll bar to the button highlight.
constexpr int FmtMarkupColorCount = 37;
// Entry n of the table; false for a number outside it.
bool FmtMarkupColor(int number, ui::TColor& color);

// The caption as lines of segments, each with its own copy of the font it is drawn in. There is
// always at least one line, and every line has at least one (possibly empty) segment.
std::vector<TFmtLine> ParseFmtMarkup(const std::string& caption, const ui::TFont& baseFont);

} // namespace tk
