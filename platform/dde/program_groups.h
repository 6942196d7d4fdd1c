#pragma once
// The program groups of the prefix, kept as freedesktop menu files inside it:
//   <prefix>/menus/applications/kestrix-<group>-<item>.desktop      one per item
//   <prefix>/menus/desktop-directories/kestrix-<group>.directory    the group's name
//   <prefix>/menus/applications-merged/kestrix-<group>.menu         the group and its items
// <group> and <item> are DesktopIdPart of the names. The .menu file is the group's record of
// its items; one that cannot be read is an error naming it, and nothing is written over it.
// Every file is replaced atomically.
#include "platform/dde/menu_file.h"

#include <filesystem>
#include <string>

namespace dde {

struct ProgramItem {
    std::string Name;
    std::string CommandLine; // Windows command line
    std::string IconPath;
    std::string IconIndex;
    std::string WorkingFolder; // Windows folder, "" for the program's own
    std::string Hotkey;
    bool Minimized = false;
};

class ProgramGroups {
public:
    explicit ProgramGroups(std::filesystem::path prefixRoot);

    // All raise ProgramGroupError naming the file or folder concerned.
    bool Exists(const std::string& group) const;
    GroupMenu Read(const std::string& group) const; // a missing group is an error too
    // An existing group stays as it is (its .directory is written again when missing).
    void Create(const std::string& group);
    // An item of the same name is replaced in its place; an item without a name is named after
    // its program's file name without extension.
    void AddItem(const std::string& group, const ProgramItem& item);
    void Show(const std::string& group, int showCommand);
    void Delete(const std::string& group);
    void DeleteItem(const std::string& group, const std::string& item);

    std::filesystem::path MenuFile(const std::string& group) const;
    std::filesystem::path DirectoryFile(const std::string& group) const;
    std::filesystem::path ItemFile(const std::string& group, const std::string& item) const;
    const std::filesystem::path& MenuFolder() const { return Merged; }

private:
    void EnsureFolders() const;
    void WriteDirectory(const std::string& group, int showCommand) const;
    void WriteMenu(const std::string& group, const GroupMenu& menu) const;

    std::filesystem::path Prefix;
    std::filesystem::path Applications;
    std::filesystem::path Directories;
    std::filesystem::path Merged;
};

} // namespace dde
