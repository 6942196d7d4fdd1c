#pragma once
// drives.ini of the prefix: which host folder stands for each drive letter or network share.
//
//   [Drives]
//   C=drive_c,fixed
//   A=/media/kit,removable
//   \\server\share=/srv/share,remote
//   Z=/,fixed
//
// A host folder that is not absolute is relative to the prefix. Types: fixed, removable, remote,
// cdrom. Lines starting with ";" or "#" are comments; other sections are left to other readers.
#include "platform/sys/prefix.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// Parses the file's text; a malformed line raises EParseError(fileName, line).
std::vector<DriveMapping> ParseDrivesIni(std::string_view text, const std::string& fileName,
                                         const std::filesystem::path& prefix);
// The text of a new prefix's drives.ini.
std::string DefaultDrivesIni();
// Returns the text with the mapping's line replaced (same root) or added to [Drives].
std::string WithDriveLine(std::string_view text, const DriveMapping& mapping);

// "C:" or "\\server\share" in its canonical spelling (upper-case letter), or nullopt when the text
// names neither.
std::optional<std::string> CanonicalDriveRoot(std::string_view root);
const char* DriveTypeName(DriveType type);

} // namespace sys
