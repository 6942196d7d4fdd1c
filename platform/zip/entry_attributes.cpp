#include "platform/zip/entry_attributes.h"

#include "platform/zip/dos_time.h"

#include <sys/stat.h>

namespace zip::detail {
namespace {

constexpr unsigned kHostUnix = 3;
constexpr unsigned kHostMacOsX = 19;
constexpr uint32_t kDosReadOnly = 0x01;

// The Unix mode in the high word of the external attributes, when the host writes one there.
std::optional<uint32_t> UnixMode(const TZipHeader& header) {
    unsigned host = header.MadeByVersion >> 8;
    uint32_t mode = header.ExternalAttributes >> 16;
    if ((host != kHostUnix && host != kHostMacOsX) || mode == 0)
        return std::nullopt;
    return mode;
}

} // namespace

bool IsSymbolicLinkEntry(const TZipHeader& header) {
    auto mode = UnixMode(header);
    return mode && (*mode & S_IFMT) == S_IFLNK;
}

mode_t ExtractedFileMode(const TZipHeader& header) {
    if (auto mode = UnixMode(header))
        return static_cast<mode_t>((*mode & 0777) | 0400);
    return (header.ExternalAttributes & kDosReadOnly) ? 0444 : 0666;
}

std::optional<int64_t> ExtractedModifiedTime(const ZipEntry& entry) {
    if (entry.UnixModifiedTime)
        return entry.UnixModifiedTime;
    return DosDateTimeToUnix(entry.Header.ModifiedDateTime);
}

} // namespace zip::detail
