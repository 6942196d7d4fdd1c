#pragma once
// ASCII-only text helpers: Windows compares file names, INI names and registry names without
// regard to case, and only the ASCII letters fold.
#include <string>
#include <string_view>

namespace sys {

inline char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
inline char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Strips spaces and tabs (and a stray CR) from both ends.
std::string TrimBlanks(std::string_view text);

} // namespace sys
