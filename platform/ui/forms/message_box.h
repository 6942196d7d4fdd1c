#pragma once
// The platform's plain message box: a modal dialog named "MessageBox" with the text, an icon for
// the MB_ICON style and the buttons of the MB_ type (named OK, Cancel, Abort, Retry, Ignore, Yes,
// No). The result is the ID of the button that closed it (IDOK, IDCANCEL, ...).
#include <string>

#include "platform/ui/core/messages.h"

namespace ui {

int MessageBox(const std::string& text, const std::string& caption, UINT type);

} // namespace ui
