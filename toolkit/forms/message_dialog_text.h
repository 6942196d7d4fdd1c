#pragma once
// The text a message dialog shows: the process-wide heading in front of it, the limit of the
// measuring buffer, and the text's word-wrapped size in the dialog's bold font.
#include <cstddef>
#include <string>

#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/types.h"

namespace tk {

// When not empty, every message is preceded by this heading in upper case, a comma and two
// carriage returns. Only its first 255 characters count.
extern std::string MessageHeading;

constexpr std::size_t kMessageHeadingLimit = 255;
// The measuring buffer's room: a message with its heading holds at most this many characters.
constexpr std::size_t kMessageTextLimit = 2550;

// The text as shown: heading (upper case, ",", CR, CR) and message, cut to kMessageTextLimit.
std::string ComposeMessageText(const std::string& heading, const std::string& message);

// A longer text is cut after kMessageTextLimit characters (never inside a UTF-8 sequence), so
// that what is measured and what is shown are the same text and the dialog stays on screen.
std::string LimitMessageText(const std::string& text);

// The size of the text laid out word-wrapped (with the platform's prefix rule) in a box as wide
// as half the screen, in the given font.
ui::TSize MeasureMessageText(const std::string& text, const ui::TFont& font, int screenWidth);

} // namespace tk
