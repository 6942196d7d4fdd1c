#include "platform/sys/prefix.h"

#include "platform/sys/ascii.h"
#include "platform/sys/current_dir.h"
#include "platform/sys/drives_ini.h"
#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/host_file.h"
#include "platform/sys/prefix_setup.h"
#include "platform/sys/win_path.h"

#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

namespace fs = std::filesystem;

struct LoadedDrive {
    DriveMapping Mapping;
    fs::path Canonical; // the host folder with its links resolved, for host -> Windows mapping
};

// What the process knows of its prefix; drives.ini is read again whenever it changes on disk, so
// that a drive mapped by another process is seen.
struct PrefixState {
    std::mutex Lock;
    std::optional<fs::path> Root;
    bool Ensured = false;
    std::vector<LoadedDrive> Drives;
    struct timespec Modified {};
    off_t Size = -1;
    ino_t Inode = 0;
};

PrefixState& State() {
    static PrefixState state;
    return state;
}

fs::path PrefixLocation() {
    if (const char* env = std::getenv("KESTRIX_PREFIX"); env && *env)
        return fs::absolute(env).lexically_normal();
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "/tmp";
    }
    return fs::path(home) / ".local/share/kestrix/prefix";
}

fs::path DrivesIniPath(const fs::path& root) {
    return root / "drives.ini";
}

fs::path EnsureLocked(PrefixState& state) {
    if (!state.Root)
        state.Root = PrefixLocation();
    if (!state.Ensured) {
        CreatePrefixDefaults(*state.Root);
        state.Ensured = true;
    }
    return *state.Root;
}

// The drive map, read again when drives.ini changed since the last read.
std::vector<LoadedDrive> LoadedDrives() {
    PrefixState& state = State();
    std::lock_guard guard(state.Lock);
    fs::path root = EnsureLocked(state);
    const fs::path file = DrivesIniPath(root);
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        // Removed behind our back: the prefix gets its defaults again.
        state.Ensured = false;
        root = EnsureLocked(state);
        if (::stat(file.c_str(), &info) != 0)
            throw EInOutError("Cannot read " + file.string(), file.string(), 2);
    }
    if (state.Size == info.st_size && state.Inode == info.st_ino &&
        state.Modified.tv_sec == info.st_mtim.tv_sec &&
        state.Modified.tv_nsec == info.st_mtim.tv_nsec)
        return state.Drives;
    std::vector<LoadedDrive> drives;
    for (auto& mapping : ParseDrivesIni(ReadWholeFile(file), file.string(), root)) {
        std::error_code ignored;
        fs::path canonical = fs::weakly_canonical(mapping.Host, ignored);
        if (canonical.empty())
            canonical = mapping.Host;
        drives.push_back({std::move(mapping), std::move(canonical)});
    }
    state.Drives = drives;
    state.Size = info.st_size;
    state.Inode = info.st_ino;
    state.Modified = info.st_mtim;
    return drives;
}

std::optional<LoadedDrive> FindDrive(const std::string& root) {
    for (auto& drive : LoadedDrives())
        if (EqualsNoCase(drive.Mapping.Root, root))
            return drive;
    return std::nullopt;
}

// The names of path below base, or nullopt when path is not inside base.
std::optional<std::vector<std::string>> NamesBelow(const fs::path& path, const fs::path& base) {
    auto p = path.begin();
    for (auto b = base.begin(); b != base.end(); ++b) {
        if (b->empty() && std::next(b) == base.end())
            break; // a trailing separator of base
        if (p == path.end() || *p != *b)
            return std::nullopt;
        ++p;
    }
    std::vector<std::string> names;
    for (; p != path.end(); ++p)
        if (!p->empty())
            names.push_back(p->string());
    return names;
}

size_t Depth(const fs::path& path) {
    size_t depth = 0;
    for (const auto& part : path)
        if (!part.empty())
            ++depth;
    return depth;
}

} // namespace

fs::path EnsurePrefix() {
    PrefixState& state = State();
    std::lock_guard guard(state.Lock);
    return EnsureLocked(state);
}

fs::path PrefixRoot() {
    return EnsurePrefix();
}

void ResetPrefixCache() {
    {
        PrefixState& state = State();
        std::lock_guard guard(state.Lock);
        state.Root.reset();
        state.Ensured = false;
        state.Drives.clear();
        state.Size = -1;
        state.Inode = 0;
        state.Modified = {};
    }
    ForgetCurrentDir();
}

std::vector<DriveMapping> Drives() {
    std::vector<DriveMapping> out;
    for (auto& drive : LoadedDrives())
        out.push_back(std::move(drive.Mapping));
    return out;
}

void MapDrive(const DriveMapping& mapping) {
    const auto root = CanonicalDriveRoot(mapping.Root);
    if (!root)
        throw EInOutError("Not a drive root: " + mapping.Root, mapping.Root, 3);
    const std::string host = mapping.Host.string();
    if (host.empty() || host.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw EInOutError("Not a host folder for " + *root + ": " + host, host, 3);
    const fs::path prefix = EnsurePrefix();
    FileLock lock(prefix / "prefix.lock", FileLock::Mode::Exclusive);
    const fs::path file = DrivesIniPath(prefix);
    const std::string text = ReadWholeFile(file);
    ParseDrivesIni(text, file.string(), prefix); // never rewrite a file we cannot read back
    DriveMapping normalised = mapping;
    normalised.Root = *root;
    normalised.Host = fs::absolute(mapping.Host).lexically_normal();
    WriteFileAtomically(file, WithDriveLine(text, normalised));
}

std::optional<fs::path> ToHostPath(const std::string& windowsPath) {
    const auto resolved = ResolveWindowsPath(
        windowsPath, IsFullyQualified(windowsPath) ? std::string() : GetCurrentDir());
    if (!resolved)
        return std::nullopt;
    const auto drive = FindDrive(resolved->Root);
    if (!drive)
        return std::nullopt;
    return HostPathOnDrive(drive->Mapping.Host, resolved->Parts);
}

fs::path HostPath(const std::string& windowsPath) {
    if (auto host = ToHostPath(windowsPath))
        return *host;
    throw EInOutError("Path not found: " + windowsPath, windowsPath, 3);
}

std::optional<std::string> ToWindowsPath(const fs::path& hostPath) {
    std::error_code ignored;
    const fs::path lexical = fs::absolute(hostPath, ignored).lexically_normal();
    const fs::path canonical = fs::weakly_canonical(lexical, ignored);
    std::optional<std::string> best;
    size_t bestDepth = 0;
    for (const auto& drive : LoadedDrives()) {
        const std::pair<const fs::path*, const fs::path*> forms[] = {
            {&lexical, &drive.Mapping.Host}, {&canonical, &drive.Canonical}};
        for (const auto& [path, base] : forms) {
            if (path->empty() || base->empty())
                continue;
            const auto names = NamesBelow(*path, *base);
            const size_t depth = Depth(*base);
            if (!names || (best && depth <= bestDepth))
                continue;
            best = WindowsPath{drive.Mapping.Root, *names}.ToString();
            bestDepth = depth;
        }
    }
    return best;
}

DriveType GetDriveType(const std::string& root) {
    std::string text = root;
    if (text.empty()) {
        const auto current = ResolveWindowsPath(GetCurrentDir(), {});
        text = current ? current->Root : std::string();
    }
    if (text.size() > 2 && IsPathSeparator(text.back()))
        text.pop_back();
    const auto canonical = CanonicalDriveRoot(text);
    // A drive letter is written "A:" (a bare "A" is a relative name, not a root).
    if (!canonical || (text.size() == 1))
        return DriveType::NoRootDir;
    const auto drive = FindDrive(*canonical);
    return drive ? drive->Mapping.Type : DriveType::NoRootDir;
}

} // namespace sys
