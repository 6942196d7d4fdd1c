#pragma once
// Splitting of Windows command lines (internal to the process launcher).
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// Arguments after the program name, by the Windows rules: blanks separate, quotes group, 2n
// backslashes before a quote give n and the quote toggles, 2n+1 give n and a literal quote, and
// "" inside quotes is a literal quote.
std::vector<std::string> SplitArguments(std::string_view text);

} // namespace sys
