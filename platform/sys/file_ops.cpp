// File and folder operations with the Windows results: false (or -1, or the invalid attributes)
// instead of exceptions. Read-only is the owner's write bit, checked here explicitly because the
// host does not stop its administrator from deleting or overwriting a read-only file.
#include "platform/sys/files.h"
#include "platform/sys/host_file.h"
#include "platform/sys/prefix.h"
#include "platform/sys/win_path.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

namespace fs = std::filesystem;

std::optional<struct stat> StatHost(const fs::path& host) {
    struct stat info {};
    if (::stat(host.c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

bool IsReadOnly(const struct stat& info) {
    return (info.st_mode & S_IWUSR) == 0;
}

// Copies a regular file's bytes, mode and modification time to a new file beside target, then
// renames it over target: a failed copy leaves target as it was.
bool CopyHostFile(const fs::path& from, const struct stat& info, const fs::path& target) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX"));
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    static thread_local char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || (got > 0 && !WriteAll(out, buffer, static_cast<size_t>(got))))
            ok = false;
        if (got <= 0)
            break;
    }
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ok = ok && ::fchmod(out, info.st_mode & 07777) == 0 && ::futimens(out, times) == 0;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

} // namespace

bool FileExists(const std::string& path) {
    const auto host = ToHostPath(path);
    const auto info = host ? StatHost(*host) : std::nullopt;
    return info && !S_ISDIR(info->st_mode);
}

bool DirectoryExists(const std::string& path) {
    const auto host = ToHostPath(path);
    const auto info = host ? StatHost(*host) : std::nullopt;
    return info && S_ISDIR(info->st_mode);
}

bool CreateDir(const std::string& path) {
    const auto host = ToHostPath(path);
    return host && ::mkdir(host->c_str(), 0755) == 0;
}

bool ForceDirectories(const std::string& path) {
    const auto host = ToHostPath(path);
    if (!host)
        return false;
    std::error_code ignored;
    fs::create_directories(*host, ignored);
    const auto info = StatHost(*host);
    return info && S_ISDIR(info->st_mode);
}

bool RemoveDir(const std::string& path) {
    const auto host = ToHostPath(path);
    return host && ::rmdir(host->c_str()) == 0;
}

bool DeleteFile(const std::string& path) {
    const auto host = ToHostPath(path);
    struct stat info {};
    if (!host || ::lstat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    if (!S_ISLNK(info.st_mode) && IsReadOnly(info))
        return false; // access denied, as on Windows
    return ::unlink(host->c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    const auto source = ToHostPath(from);
    auto target = ToHostPath(to);
    struct stat info {};
    if (!source || !target || ::lstat(source->c_str(), &info) != 0)
        return false;
    if (*target == *source) {
        // A change of case only: the new spelling is the caller's.
        const auto resolved = ResolveWindowsPath(to, IsFullyQualified(to) ? "" : GetCurrentDir());
        if (!resolved || resolved->Parts.empty())
            return false;
        target = source->parent_path() / resolved->Parts.back();
        if (*target == *source)
            return true;
    }
    // Never replaces an existing file, as on Windows.
    if (::renameat2(AT_FDCWD, source->c_str(), AT_FDCWD, target->c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EXDEV || !S_ISREG(info.st_mode))
        return false;
    // Another host file system: a file moves by copy and delete, a folder does not move.
    struct stat existing {};
    if (::lstat(target->c_str(), &existing) == 0 || !CopyHostFile(*source, info, *target))
        return false;
    return ::unlink(source->c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    const auto source = ToHostPath(from);
    const auto target = ToHostPath(to);
    const auto info = source ? StatHost(*source) : std::nullopt;
    if (!info || !target || !S_ISREG(info->st_mode))
        return false;
    if (const auto existing = StatHost(*target)) {
        if (failIfExists || S_ISDIR(existing->st_mode) || IsReadOnly(*existing))
            return false;
        if (existing->st_dev == info->st_dev && existing->st_ino == info->st_ino)
            return false; // the file is open for reading: a sharing violation on Windows
    }
    return CopyHostFile(*source, *info, *target);
}

uint32_t GetFileAttributes(const std::string& path) {
    const auto host = ToHostPath(path);
    const auto info = host ? StatHost(*host) : std::nullopt;
    if (!info)
        return INVALID_FILE_ATTRIBUTES;
    const std::string name = host->filename().string();
    uint32_t attributes = S_ISDIR(info->st_mode) ? faDirectory : faArchive;
    if (!S_ISDIR(info->st_mode) && IsReadOnly(*info))
        attributes |= faReadOnly;
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= faHidden; // the host's hidden files
    return attributes;
}

bool SetFileAttributes(const std::string& path, uint32_t attributes) {
    const auto host = ToHostPath(path);
    const auto info = host ? StatHost(*host) : std::nullopt;
    if (!info)
        return false;
    if (S_ISDIR(info->st_mode))
        return true; // a folder's read-only flag means nothing to Windows either
    mode_t mode = info->st_mode & 07777;
    if ((attributes & faReadOnly) != 0 && attributes != faNormal)
        mode &= ~(S_IWUSR | S_IWGRP | S_IWOTH);
    else
        mode |= S_IWUSR;
    return mode == (info->st_mode & 07777) || ::chmod(host->c_str(), mode) == 0;
}

int64_t FileSize(const std::string& path) {
    const auto host = ToHostPath(path);
    const auto info = host ? StatHost(*host) : std::nullopt;
    if (!info || S_ISDIR(info->st_mode))
        return -1;
    return info->st_size;
}

} // namespace sys
