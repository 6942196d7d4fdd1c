#pragma once
// The prefix: a Windows machine in a host folder. Windows paths (C:\Kesvard, \\server\share\x)
// are mapped to host paths through drives.ini; host paths are mapped back by the longest root.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sys {

enum class DriveType : uint32_t {
    Unknown = 0,
    NoRootDir = 1, // DRIVE_NO_ROOT_DIR
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
};

struct DriveMapping {
    std::string Root;           // "C:" or "\\server\share" (no trailing separator)
    std::filesystem::path Host; // absolute host folder
    DriveType Type = DriveType::Fixed;
};

// The prefix folder: $KESTRIX_PREFIX, default $HOME/.local/share/kestrix/prefix. Created with its
// defaults on first use.
std::filesystem::path PrefixRoot();
// Forget cached prefix state (drive map); tests that switch KESTRIX_PREFIX call this.
void ResetPrefixCache();
// Make sure the prefix exists with its defaults; returns its root.
std::filesystem::path EnsurePrefix();

std::vector<DriveMapping> Drives();
// Adds or replaces a mapping in drives.ini (used by the demo and tests to mount media).
void MapDrive(const DriveMapping& mapping);

// Windows path -> host path. Either separator; "." and ".." resolved without leaving the drive
// root; each component matched without regard to case when the exact name is missing. A relative
// path is taken against the process's current folder. nullopt when the drive is not mapped or
// the path is not a valid Windows path (a name with < > : " | ? * or control characters).
std::optional<std::filesystem::path> ToHostPath(const std::string& windowsPath);
// Like ToHostPath, but throws EInOutError naming the path when the drive is not mapped.
std::filesystem::path HostPath(const std::string& windowsPath);
// Host path -> Windows path by the longest matching drive root; nullopt when no root matches.
std::optional<std::string> ToWindowsPath(const std::filesystem::path& hostPath);

// GetDriveType for a root like "A:\" or "\\server\share\"; NoRootDir when unmapped.
DriveType GetDriveType(const std::string& root);

} // namespace sys
