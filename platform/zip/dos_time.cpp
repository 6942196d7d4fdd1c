#include "platform/zip/dos_time.h"

#include <ctime>

namespace zip::detail {

std::optional<int64_t> DosDateTimeToUnix(uint32_t dosDateTime) {
    uint32_t time = dosDateTime & 0xFFFF;
    uint32_t date = dosDateTime >> 16;
    std::tm local{};
    local.tm_year = static_cast<int>((date >> 9) & 0x7F) + 80;
    local.tm_mon = static_cast<int>((date >> 5) & 0x0F) - 1;
    local.tm_mday = static_cast<int>(date & 0x1F);
    local.tm_hour = static_cast<int>(time >> 11);
    local.tm_min = static_cast<int>((time >> 5) & 0x3F);
    local.tm_sec = static_cast<int>(time & 0x1F) * 2;
    local.tm_isdst = -1; // the archive does not say; let the time zone rules decide
    std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return static_cast<int64_t>(seconds);
}

} // namespace zip::detail
