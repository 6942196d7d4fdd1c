#pragma once
// Writing a property of a stored form description back as text, in the form the platform's
// form-text reader parses: strings quoted with control characters as #codes, sets in brackets,
// string lists in parentheses, collections as < item ... end >.
#include <string>

#include "platform/ui/forms_text/form_text.h"

namespace Colgrid {

// The property's lines (each ending with a line feed), the first indented by indent blanks.
std::string FormatFormTextProperty(const ui::TFormTextProperty& property, int indent);

} // namespace Colgrid
