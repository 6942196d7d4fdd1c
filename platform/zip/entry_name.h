#pragma once
// The stored name of an entry, decoded to UTF-8: the Unicode path extra field when it matches
// the legacy name; the bytes themselves when the UTF-8 flag (bit 11) is set; code page 437 when
// the archive was made on a DOS-family system (FAT, HPFS, NTFS), whose names are in the OEM code
// page; otherwise (Unix and the rest) the bytes as the host stored them, which is what the
// standard unzip makes of them.
#include <cstdint>
#include <string>
#include <string_view>

namespace zip::detail {

std::string DecodeEntryName(std::string_view raw, uint16_t madeByVersion, uint16_t flags,
                            std::string_view extra);
std::string Cp437ToUtf8(std::string_view text);

} // namespace zip::detail
