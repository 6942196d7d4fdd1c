#pragma once
// Conversions between the registry's stored UTF-8 and the UTF-16LE of version-5 .reg files, and
// counting the characters of UTF-8 text where the controls count characters.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sys {

// UTF-16LE bytes -> UTF-8; an unpaired surrogate becomes U+FFFD. nullopt for an odd byte count.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes);
// UTF-8 -> UTF-16LE bytes; a byte that starts no valid sequence becomes U+FFFD.
std::string Utf8ToUtf16Le(std::string_view text);
bool IsValidUtf8(std::string_view text);
// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, uint32_t code);
// 8-bit text of an older .reg file: kept when it is valid UTF-8, else read as Latin-1.
std::string AnsiToUtf8(std::string_view text);
// The number of characters of UTF-8 text (bytes that do not continue a sequence).
size_t Utf8Length(std::string_view text);
// The first `count` characters of UTF-8 text; a character is never cut in two.
std::string_view Utf8Prefix(std::string_view text, size_t count);

} // namespace sys
