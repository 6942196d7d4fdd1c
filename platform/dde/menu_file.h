#pragma once
// The menu file of one program group, merged into the applications menu
// (applications-merged/kestrix-<group>.menu, freedesktop Desktop Menu standard): a
// submenu named after the group, its .directory file, and its items in Program Manager's order.
#include <filesystem>
#include <string>
#include <vector>

namespace dde {

struct GroupMenu {
    std::string GroupName;          // as Program Manager was given it
    std::string DirectoryFile;      // the .directory file's id
    std::vector<std::string> Items; // desktop file ids, in order
};

// Raises ProgramGroupError naming the file when it cannot be read or is not a group menu
// written here (not well-formed XML, or another structure).
GroupMenu ReadGroupMenu(const std::filesystem::path& file);

// appDir and directoryDir: the folders of the group's .desktop and .directory files.
std::string GroupMenuText(const GroupMenu& menu, const std::filesystem::path& appDir,
                          const std::filesystem::path& directoryDir);

} // namespace dde
