#pragma once
// DOS date and time (date in the high word, time in the low word, local time, two-second steps)
// as seconds since the epoch.
#include <cstdint>
#include <optional>

namespace zip::detail {

std::optional<int64_t> DosDateTimeToUnix(uint32_t dosDateTime);

} // namespace zip::detail
