#include "platform/sys/host_file.h"

#include "platform/sys/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

int WindowsErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return 2; // ERROR_FILE_NOT_FOUND
    case ENOTDIR:
        return 3; // ERROR_PATH_NOT_FOUND
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return 5; // ERROR_ACCESS_DENIED
    case EEXIST:
        return 80; // ERROR_FILE_EXISTS
    case ENOSPC:
        return 112; // ERROR_DISK_FULL
    case ENOTEMPTY:
        return 145; // ERROR_DIR_NOT_EMPTY
    case ENAMETOOLONG:
        return 206; // ERROR_FILENAME_EXCED_RANGE
    default:
        return 29; // ERROR_WRITE_FAULT
    }
}

namespace {

[[noreturn]] void RaiseFromErrno(const std::string& what, const std::filesystem::path& path) {
    const int error = errno;
    throw EInOutError(what + " " + path.string() + ": " + std::strerror(error), path.string(),
                      WindowsErrorFromErrno(error));
}

} // namespace

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseFromErrno("Cannot open", path);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        RaiseFromErrno("Cannot read", path);
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            errno = error;
            RaiseFromErrno("Cannot read", path);
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return content;
}

void WriteFileAtomically(const std::filesystem::path& path, const std::string& content) {
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        RaiseFromErrno("Cannot create a temporary file for", path);
    // Keep the permissions of the file being replaced (a new file gets the usual 0644).
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    const bool ok = WriteAll(fd, content.data(), content.size()) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(temp.c_str());
        errno = ok ? errno : error;
        RaiseFromErrno("Cannot write", path);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        errno = renameError;
        RaiseFromErrno("Cannot replace", path);
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

FileLock::FileLock(const std::filesystem::path& lockFile, Mode mode) {
    Fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (Fd < 0)
        RaiseFromErrno("Cannot open the lock file", lockFile);
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    while (::flock(Fd, operation) != 0) {
        if (errno == EINTR)
            continue;
        const int error = errno;
        ::close(Fd);
        errno = error;
        RaiseFromErrno("Cannot lock", lockFile);
    }
}

FileLock::~FileLock() {
    if (Fd >= 0)
        ::close(Fd); // closing the descriptor releases the lock
}

} // namespace sys
