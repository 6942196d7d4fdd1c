#include "platform/sys/prefix_setup.h"

#include "platform/sys/drives_ini.h"
#include "platform/sys/errors.h"
#include "platform/sys/hive_store.h"
#include "platform/sys/host_file.h"
#include "platform/sys/win_path.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

namespace fs = std::filesystem;

void CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw EInOutError("Cannot create the folder " + folder.string() + ": " +
                              (error ? error.message() : std::string("a file is in the way")),
                          folder.string(), 3);
}

bool Exists(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The regedit stand-in is refreshed when the built one is newer, so that a rebuilt tool reaches
// prefixes made earlier.
void InstallRegedit(const fs::path& windowsFolder) {
    const fs::path built = FindBuiltRegedit();
    if (built.empty())
        return;
    const fs::path target = windowsFolder / "regedit";
    struct stat source {
    }, installed{};
    if (::stat(built.c_str(), &source) != 0)
        return;
    if (::stat(target.c_str(), &installed) == 0 && installed.st_size == source.st_size &&
        installed.st_mtim.tv_sec >= source.st_mtim.tv_sec)
        return;
    // A hard link costs nothing when the build and the prefix share a file system (the linker
    // replaces its output rather than rewriting it, so the prefix's copy stays whole); else copy.
    const fs::path temp = windowsFolder / ".regedit.new";
    ::unlink(temp.c_str());
    const bool linked =
        ::link(built.c_str(), temp.c_str()) == 0 && ::rename(temp.c_str(), target.c_str()) == 0;
    ::unlink(temp.c_str()); // left over when the two names were links of one file already
    if (linked)
        return;
    WriteFileAtomically(target, ReadWholeFile(built));
    ::chmod(target.c_str(), 0755);
}

} // namespace

fs::path FindBuiltRegedit() {
    // A prefix made by a program that is not beside the built tools (a test, an installed
    // program) gets no stand-in; "regedit /s" in it then fails to start, as it would on a
    // machine without the editor, and the next program started from the build folder adds it.
    std::error_code ignored;
    const fs::path self = fs::read_symlink("/proc/self/exe", ignored);
    if (!self.empty() && Exists(self.parent_path() / "regedit"))
        return self.parent_path() / "regedit";
    if (const char* bin = std::getenv("KX_BIN_DIR");
        bin && *bin && Exists(fs::path(bin) / "regedit"))
        return fs::path(bin) / "regedit";
    return {};
}

void CreatePrefixDefaults(const fs::path& root) {
    CreateFolder(root);
    FileLock lock(root / "prefix.lock", FileLock::Mode::Exclusive);
    const fs::path drivesFile = root / "drives.ini";
    if (!Exists(drivesFile))
        WriteFileAtomically(drivesFile, DefaultDrivesIni());
    const auto drives = ParseDrivesIni(ReadWholeFile(drivesFile), drivesFile.string(), root);
    CreateDefaultHive(root);
    for (const auto& drive : drives) {
        if (drive.Root != "C:")
            continue;
        const fs::path windows = HostPathOnDrive(drive.Host, {"Windows"});
        CreateFolder(windows);
        CreateFolder(HostPathOnDrive(drive.Host, {"Windows", "Temp"}));
        CreateFolder(HostPathOnDrive(drive.Host, {"Program Files"}));
        const fs::path winIni = HostPathOnDrive(drive.Host, {"Windows", "win.ini"});
        if (!Exists(winIni))
            WriteFileAtomically(winIni, "");
        InstallRegedit(windows);
    }
}

} // namespace sys
