// kestrix-transfer: runs the copy step of a new installation or of an upgrade without a window,
// against installation media in the prefix.
#include "app/core/installer_state.h"
#include "platform/sys/files.h"
#include "platform/sys/ini.h"
#include "tools/transfer/console_observer.h"
#include "transfer/install_copy.h"
#include "transfer/upgrade_copy.h"

#include <iostream>
#include <map>

namespace fs = std::filesystem;
using namespace Iglobals;

namespace {

const char* const Usage = R"(Usage: kestrix-transfer install|upgrade [options] DISK_FOLDER...

Runs the copy step of a new installation (install) or of an upgrade (upgrade) against
installation media, inside the prefix ($KESTRIX_PREFIX). The first DISK_FOLDER (a host folder) is
put into the media drive; each time the copy asks for a disk the next one is put in, and when
there is none left the prompt is cancelled. Prints what the copy screen would show.

Options:
  --type local|server|client   the install type (default local)
  --program PATH               the program folder, a Windows path (default C:\Kesvard)
  --data PATH                  the database folder, a Windows path (default C:\Kesvard)
  --drive X:                   the media drive (default A:)
  --drive-type TYPE            removable, fixed, cdrom or remote (default removable)
  --disks N                    the number of disks (default: NrDiscuri of the medium's
                               INSTALL.CFG, 6 without one)
  --assemble-only              only join the volumes into the program folder
  --extract-only               only unpack the archives already in the program folder
  --quiet                      print prompts and messages only
Exit status: 0 when the copy ended, 2 when a disk prompt was cancelled, 1 on an error.
)";

const std::map<std::string, uint8_t> InstallTypes = {{"local", 1}, {"server", 2}, {"client", 3}};
const std::map<std::string, sys::DriveType> DriveTypes = {{"removable", sys::DriveType::Removable},
                                                          {"fixed", sys::DriveType::Fixed},
                                                          {"cdrom", sys::DriveType::CdRom},
                                                          {"remote", sys::DriveType::Remote}};

template <typename T> T Lookup(const std::map<std::string, T>& table, const std::string& key) {
    const auto found = table.find(key);
    if (found == table.end())
        throw std::runtime_error("unknown value: " + key);
    return found->second;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
            std::cout << Usage;
            return argc < 2 ? 1 : 0;
        }
        const std::string mode = argv[1];
        if (mode != "install" && mode != "upgrade")
            throw std::runtime_error("the first argument is install or upgrade");
        std::string drive = "A:";
        sys::DriveType driveType = sys::DriveType::Removable;
        int disks = -1;
        bool assembleOnly = false, extractOnly = false, quiet = false;
        std::deque<fs::path> folders;
        ResetInstallerState();
        InstallType = 1;
        for (int i = 2; i < argc; ++i) {
            const std::string arg = argv[i];
            auto value = [&]() -> std::string {
                if (i + 1 >= argc)
                    throw std::runtime_error(arg + " needs a value");
                return argv[++i];
            };
            if (arg == "--type")
                InstallType = Lookup(InstallTypes, value());
            else if (arg == "--program")
                DefaultProgramPath = ProgramPath = value();
            else if (arg == "--data")
                DefaultDataPath = DataPath = value();
            else if (arg == "--drive")
                drive = value().substr(0, 2);
            else if (arg == "--drive-type")
                driveType = Lookup(DriveTypes, value());
            else if (arg == "--disks")
                disks = std::stoi(value());
            else if (arg == "--assemble-only")
                assembleOnly = true;
            else if (arg == "--extract-only")
                extractOnly = true;
            else if (arg == "--quiet")
                quiet = true;
            else if (arg.starts_with("--"))
                throw std::runtime_error("unknown option: " + arg);
            else
                folders.push_back(fs::absolute(arg));
        }
        if (folders.empty() && !extractOnly)
            throw std::runtime_error("give at least one disk folder (see --help)");

        UpgradeMode = mode == "upgrade";
        MediaPath = drive + "\\";
        if (!folders.empty()) {
            sys::MapDrive({drive, folders.front(), driveType});
            folders.pop_front();
        }
        DiskCount = disks >= 0
                        ? disks
                        : static_cast<int32_t>(sys::GetPrivateProfileInt(
                              "General", "NrDiscuri", DefaultDiskCount, MediaPath + "INSTALL.CFG"));
        sys::ForceDirectories(ProgramPath);

        TConsoleObserver observer(drive, driveType, folders, quiet);
        TCopyEngine install(observer);
        TUpgCopyEngine upgrade(observer);
        TArchiveTransfer& engine = UpgradeMode ? static_cast<TArchiveTransfer&>(upgrade) : install;
        int result = 1;
        if (assembleOnly)
            result = engine.AssembleArchives() ? 1 : 2;
        else if (extractOnly)
            engine.ExtractArchives();
        else
            result = engine.Run();
        std::cout << (result == 1 ? "done" : "cancelled") << "\n";
        return result == 1 ? 0 : 2;
    } catch (const std::exception& error) {
        std::cerr << "kestrix-transfer: " << error.what() << "\n";
        return 1;
    }
}
