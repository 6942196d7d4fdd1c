#include "platform/dde/program_groups.h"

#include "platform/dde/desktop_entry.h"
#include "platform/dde/group_error.h"
#include "platform/dde/item_launch.h"
#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/host_file.h"

#include <algorithm>
#include <system_error>

namespace dde {

namespace {

constexpr const char* IdPrefix = "kestrix-";

std::string GroupId(const std::string& group) {
    return IdPrefix + DesktopIdPart(group);
}
std::string ItemId(const std::string& group, const std::string& item) {
    return GroupId(group) + "-" + DesktopIdPart(item) + ".desktop";
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    try {
        sys::WriteFileAtomically(path, text);
    } catch (const sys::EInOutError& error) {
        throw ProgramGroupError(path.string() + ": cannot be written: " + error.what());
    }
}

void RemoveFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error)
        throw ProgramGroupError(path.string() + ": cannot be deleted: " + error.message());
}

void EnsureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return;
    if (std::filesystem::exists(folder, error))
        throw ProgramGroupError(folder.string() + ": is not a folder");
    std::filesystem::create_directories(folder, error);
    if (error)
        throw ProgramGroupError(folder.string() + ": cannot be created: " + error.message());
}

} // namespace

ProgramGroups::ProgramGroups(std::filesystem::path prefixRoot)
    : Prefix(std::move(prefixRoot)), Applications(Prefix / "menus" / "applications"),
      Directories(Prefix / "menus" / "desktop-directories"),
      Merged(Prefix / "menus" / "applications-merged") {}

std::filesystem::path ProgramGroups::MenuFile(const std::string& group) const {
    return Merged / (GroupId(group) + ".menu");
}

std::filesystem::path ProgramGroups::DirectoryFile(const std::string& group) const {
    return Directories / (GroupId(group) + ".directory");
}

std::filesystem::path ProgramGroups::ItemFile(const std::string& group,
                                              const std::string& item) const {
    return Applications / ItemId(group, item);
}

void ProgramGroups::EnsureFolders() const {
    EnsureFolder(Applications);
    EnsureFolder(Directories);
    EnsureFolder(Merged);
}

bool ProgramGroups::Exists(const std::string& group) const {
    std::error_code error;
    const std::filesystem::path menu = MenuFile(group);
    if (!std::filesystem::exists(menu, error))
        return false;
    ReadGroupMenu(menu); // a damaged record of the group is reported, not taken for none
    return true;
}

GroupMenu ProgramGroups::Read(const std::string& group) const {
    if (!Exists(group))
        throw ProgramGroupError(MenuFile(group).string() + ": no group " + group);
    return ReadGroupMenu(MenuFile(group));
}

void ProgramGroups::WriteDirectory(const std::string& group, int showCommand) const {
    std::vector<std::pair<std::string, std::string>> entries = {
        {"Type", "Directory"}, {"Version", "1.0"}, {"Name", group}};
    if (showCommand > 0)
        entries.emplace_back("X-Kestrix-ShowCommand", std::to_string(showCommand));
    WriteFile(DirectoryFile(group), DesktopEntryText(entries));
}

void ProgramGroups::WriteMenu(const std::string& group, const GroupMenu& menu) const {
    WriteFile(MenuFile(group), GroupMenuText(menu, Applications, Directories));
}

void ProgramGroups::Create(const std::string& group) {
    EnsureFolders();
    std::error_code error;
    if (Exists(group)) {
        if (!std::filesystem::exists(DirectoryFile(group), error))
            WriteDirectory(group, 0);
        return;
    }
    WriteDirectory(group, 0);
    WriteMenu(group, {group, DirectoryFile(group).filename().string(), {}});
}

void ProgramGroups::AddItem(const std::string& group, const ProgramItem& item) {
    GroupMenu menu = Read(group);
    EnsureFolders();
    const ItemLaunch launch = ResolveItemLaunch(item.CommandLine, item.WorkingFolder, Prefix);
    std::string name = item.Name;
    if (name.empty()) {
        name = sys::ExtractFileName(launch.Program);
        name = name.substr(0, name.rfind('.'));
    }
    if (name.empty())
        throw ProgramGroupError("the item for " + item.CommandLine + " has no name");
    std::vector<std::pair<std::string, std::string>> entries = {
        {"Type", "Application"},
        {"Version", "1.0"},
        {"Name", name},
        {"Exec", ExecLine(launch.Argv)},
        {"Path", launch.WorkingFolder.string()},
        {"Terminal", "false"},
        {"X-Kestrix-Group", menu.GroupName},
        {"X-Kestrix-CommandLine", item.CommandLine},
    };
    if (!item.IconPath.empty())
        entries.emplace_back("X-Kestrix-Icon",
                             item.IconPath + "," + (item.IconIndex.empty() ? "0" : item.IconIndex));
    if (!item.Hotkey.empty())
        entries.emplace_back("X-Kestrix-Hotkey", item.Hotkey);
    if (item.Minimized)
        entries.emplace_back("X-Kestrix-Minimized", "true");
    WriteFile(ItemFile(group, name), DesktopEntryText(entries));
    const std::string id = ItemId(group, name);
    if (std::find(menu.Items.begin(), menu.Items.end(), id) == menu.Items.end()) {
        menu.Items.push_back(id);
        WriteMenu(group, menu);
    }
}

void ProgramGroups::Show(const std::string& group, int showCommand) {
    const GroupMenu menu = Read(group);
    EnsureFolders();
    WriteDirectory(menu.GroupName, showCommand);
}

void ProgramGroups::Delete(const std::string& group) {
    Read(group); // a group whose record cannot be read is not taken apart
    // Every entry file of the group goes, listed or left over from an interrupted change; the
    // ids' parts hold no "-", so the prefix belongs to this group alone.
    const std::string itemPrefix = GroupId(group) + "-";
    std::error_code error;
    std::vector<std::filesystem::path> items;
    if (!std::filesystem::exists(Applications, error))
        error.clear();
    else
        for (const auto& entry : std::filesystem::directory_iterator(Applications, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(itemPrefix, 0) == 0 && entry.path().extension() == ".desktop")
                items.push_back(entry.path());
        }
    if (error)
        throw ProgramGroupError(Applications.string() + ": cannot be listed: " + error.message());
    for (const std::filesystem::path& item : items)
        RemoveFile(item);
    RemoveFile(DirectoryFile(group));
    RemoveFile(MenuFile(group));
}

void ProgramGroups::DeleteItem(const std::string& group, const std::string& item) {
    GroupMenu menu = Read(group);
    const std::string id = ItemId(group, item);
    auto found = std::find(menu.Items.begin(), menu.Items.end(), id);
    if (found == menu.Items.end())
        throw ProgramGroupError(MenuFile(group).string() + ": no item " + item + " in group " +
                                menu.GroupName);
    menu.Items.erase(found);
    WriteMenu(group, menu);
    RemoveFile(ItemFile(group, item));
}

} // namespace dde
