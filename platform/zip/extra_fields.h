#pragma once
// The extra field block of a zip header: a run of (id, size, data) records.
#include <cstdint>
#include <optional>
#include <string_view>

namespace zip::detail {

constexpr uint16_t kZip64ExtraId = 0x0001;
constexpr uint16_t kTimestampExtraId = 0x5455;   // "UT": Unix times
constexpr uint16_t kUnicodePathExtraId = 0x7075; // "up": UTF-8 name beside a legacy one

// The data of the first well-formed record with that id; a malformed tail ends the search.
std::optional<std::string_view> FindExtraField(std::string_view extra, uint16_t id);

} // namespace zip::detail
