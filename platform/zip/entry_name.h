#pragma once
// The stored name of an entry, decoded to UTF-8: the Unicode path extra field when it matches
// the legacy name, the bytes themselves when the UTF-8 flag (bit 11) is set, else code page 437.
#include <cstdint>
#include <string>
#include <string_view>

namespace zip::detail {

std::string DecodeEntryName(std::string_view raw, uint16_t flags, std::string_view extra);
std::string Cp437ToUtf8(std::string_view text);

} // namespace zip::detail
