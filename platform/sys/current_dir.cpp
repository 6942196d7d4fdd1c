#include "platform/sys/current_dir.h"

#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/win_path.h"

#include <cerrno>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

std::mutex currentLock;
std::optional<std::string> current; // the Windows current folder once known

} // namespace

void ForgetCurrentDir() {
    std::lock_guard guard(currentLock);
    current.reset();
}

std::string GetCurrentDir() {
    {
        std::lock_guard guard(currentLock);
        if (current)
            return *current;
    }
    // Taken from the host's current folder; a folder outside every drive (no Z: in drives.ini)
    // counts as C:'s root.
    std::error_code ignored;
    std::string folder =
        ToWindowsPath(std::filesystem::current_path(ignored)).value_or(std::string("C:\\"));
    std::lock_guard guard(currentLock);
    if (!current)
        current = folder;
    return *current;
}

void ChDir(const std::string& path) {
    const auto resolved =
        ResolveWindowsPath(path, IsFullyQualified(path) ? std::string() : GetCurrentDir());
    const auto host = resolved ? ToHostPath(resolved->ToString()) : std::nullopt;
    struct stat info {};
    if (!host || ::stat(host->c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw EInOutError("Cannot change the current folder to " + path, path, 3);
    if (::chdir(host->c_str()) != 0)
        throw EInOutError("Cannot change the current folder to " + path, path, 5);
    std::lock_guard guard(currentLock);
    current = resolved->ToString();
}

bool SetCurrentDir(const std::string& path) {
    try {
        ChDir(path);
        return true;
    } catch (const EInOutError&) {
        return false;
    }
}

} // namespace sys
