#pragma once
// What the header's host system and attributes say about an entry on this system.
#include "platform/zip/central_directory.h"

#include <cstdint>
#include <optional>
#include <sys/types.h>

namespace zip::detail {

// A symbolic link recorded by a Unix-like host: the reader never makes one.
bool IsSymbolicLinkEntry(const TZipHeader& header);
// Permission bits for the extracted file: the Unix ones when the host recorded them (the owner
// can always read), else read-write, or read-only when the DOS read-only attribute is set.
mode_t ExtractedFileMode(const TZipHeader& header);
// The modification time to give the extracted file: the "UT" time, else the DOS time.
std::optional<int64_t> ExtractedModifiedTime(const ZipEntry& entry);

} // namespace zip::detail
