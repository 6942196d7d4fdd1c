#pragma once
// Accelerator letters of captions: "&Continua" answers C; "&&" is a plain ampersand.
#include <string>

#include "platform/ui/core/messages.h"

namespace ui {

// The hot key of a caption (the character after the last single "&"), or "" when none.
std::string GetHotkey(const std::string& text);
// Whether a character message's code is the caption's hot key (without regard to case).
bool IsAccel(WPARAM charCode, const std::string& caption);
// The caption as shown without prefix processing: single "&" removed, "&&" made one "&".
std::string StripHotkey(const std::string& text);

} // namespace ui
