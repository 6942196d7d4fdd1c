#pragma once
// Texts of freedesktop desktop entries (.desktop and .directory files): file ids, value
// escaping and the quoting of Exec lines, as the freedesktop Desktop Entry standard states them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dde {

// A part of a desktop file id made from a display name: lower-case ASCII letters and digits,
// "_" for anything else. A name that had to change gets "_" and a hash of the name without
// regard to case, so that "Kestrix Tools" and "Kestrix-Tools" never share an id while "Talven"
// and "TALVEN" do (Program Manager names compare without regard to case).
std::string DesktopIdPart(std::string_view name);

// One argument of an Exec line: quoted when it holds a reserved character, with the double
// quote, backtick, dollar sign and backslash escaped inside the quotes; % is doubled so that it
// is no field code.
std::string QuoteExecArgument(std::string_view arg);
std::string ExecLine(const std::vector<std::string>& argv);

// The text of a desktop entry file with one [Desktop Entry] group. Values are given plain and
// escaped here (\\, \n, \t, \r); the caller keeps other control characters out.
std::string DesktopEntryText(const std::vector<std::pair<std::string, std::string>>& entries);

} // namespace dde
