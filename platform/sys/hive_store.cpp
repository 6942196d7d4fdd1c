// The hive on disk: read under a shared lock, changed under an exclusive one and replaced
// atomically, so that every writer starts from the newest content and none loses another's
// values. A file that does not parse is never replaced.
#include "platform/sys/hive_store.h"

#include "platform/sys/hive_text.h"
#include "platform/sys/host_file.h"
#include "platform/sys/prefix.h"
#include "platform/sys/registry.h"
#include "platform/sys/registry_path.h"

#include <sys/stat.h>

namespace sys {

namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

RegistryHive ReadHiveFile(const fs::path& file) {
    if (!Exists(file))
        return {};
    return ParseHive(ReadWholeFile(file), file.string());
}

} // namespace

fs::path HiveFile(const fs::path& prefixRoot) {
    return prefixRoot / "system.reg";
}

fs::path HiveLockFile(const fs::path& prefixRoot) {
    return prefixRoot / "system.reg.lock";
}

void CreateDefaultHive(const fs::path& prefixRoot) {
    FileLock lock(HiveLockFile(prefixRoot), FileLock::Mode::Exclusive);
    const fs::path file = HiveFile(prefixRoot);
    if (Exists(file))
        return;
    RegistryHive hive;
    const std::string programFiles = "C:\\Program Files";
    SetValue(hive.Create("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"), "ProgramFilesDir",
             {RegValueType::String, {programFiles.begin(), programFiles.end()}});
    WriteFileAtomically(file, FormatHive(hive));
}

RegistryHive LoadHive() {
    const fs::path root = PrefixRoot();
    FileLock lock(HiveLockFile(root), FileLock::Mode::Shared);
    return ReadHiveFile(HiveFile(root));
}

void UpdateHive(const std::function<void(RegistryHive&)>& change) {
    const fs::path root = PrefixRoot();
    FileLock lock(HiveLockFile(root), FileLock::Mode::Exclusive);
    const fs::path file = HiveFile(root);
    RegistryHive hive = ReadHiveFile(file);
    change(hive);
    WriteFileAtomically(file, FormatHive(hive));
}

} // namespace sys
