#pragma once
// Lays a product out as installation media: each component's archive is cut into numbered
// volumes (NAME.1, NAME.2, ...) that fill disk folders in order; every disk carries its marker
// DISKn, and the first one the installer, its configuration (INSTALL.CFG) and the upgrade archive.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kit {

struct MediaComponent {
    std::string Name;              // the component's key, e.g. "EXE"; volumes are Name.1, ...
    std::filesystem::path Archive; // its zip archive
};

struct MediaOptions {
    std::filesystem::path OutDir;                   // must be missing or empty
    uint64_t VolumeSize = 1457664;                  // at most this many bytes per volume
    uint64_t DiskSize = 1457664;                    // capacity of one disk folder
    bool SingleFolder = false;                      // everything in OutDir itself, one disk
    std::optional<std::filesystem::path> Installer; // copied as INSTALL.EXE
    std::optional<std::filesystem::path> Upgrade;   // copied as UPGRADE.1
};

struct MediaLayout {
    std::vector<std::filesystem::path> Disks;        // the disk folders, disk 1 first
    std::vector<std::vector<std::string>> DiskFiles; // the files written on each disk
};

// Builds the media; throws std::runtime_error with a clear message when the layout is
// impossible (a volume larger than a disk, volumes whose joining order would break) or a file
// cannot be read or written.
MediaLayout BuildMedia(const std::vector<MediaComponent>& components, const MediaOptions& options);

// How many decimal digits n has: volumes of one component on one disk must agree on it, since
// the installer joins a disk's volumes in text order (NAME.10 sorts before NAME.2).
int DigitCount(uint64_t n);

} // namespace kit
