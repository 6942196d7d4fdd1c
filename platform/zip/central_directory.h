#pragma once
// Reading an archive's table of contents: the end record (and its ZIP64 locator and record),
// then every central directory header.
#include "platform/zip/archive_source.h"
#include "platform/zip/zip_header.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zip::detail {

struct ZipEntry {
    TZipHeader Header;
    std::optional<int64_t> UnixModifiedTime; // from the "UT" extra field, when present
};

struct CentralDirectory {
    std::vector<ZipEntry> Entries;
    uint64_t Start = 0; // entries' data lies before this offset
};

// Raises ZipError when the archive has no readable table of contents.
CentralDirectory ReadCentralDirectory(const ArchiveSource& source);

} // namespace zip::detail
