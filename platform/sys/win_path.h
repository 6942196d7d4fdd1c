#pragma once
// Windows path rules: roots, "." and "..", relative and drive-relative paths, and the lookup of
// each component without regard to case on the host.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

struct WindowsPath {
    std::string Root;               // "C:" or "\\server\share"
    std::vector<std::string> Parts; // no ".", "..", or empty parts
    // "C:\a\b"; the root alone keeps its separator: "C:\", "\\server\share\".
    std::string ToString() const;
};

// True for "C:\..." and "\\server\share..." paths, which need no current folder.
bool IsFullyQualified(std::string_view path);
// Resolves a Windows path (either separator) against currentDir, a fully qualified folder. ".."
// never climbs above the root. nullopt for an empty path, a malformed root, or a name with
// characters Windows refuses (control characters, < > : " | ? *).
std::optional<WindowsPath> ResolveWindowsPath(std::string_view path, std::string_view currentDir);

// The host path of parts below a drive's host folder: each part that does not exist with its
// exact spelling takes the spelling of an entry of its folder that differs only in case.
std::filesystem::path HostPathOnDrive(const std::filesystem::path& driveHost,
                                      const std::vector<std::string>& parts);

inline bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace sys
