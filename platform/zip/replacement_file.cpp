#include "platform/zip/replacement_file.h"

#include "platform/zip/existing_name.h"
#include "platform/zip/zip_error.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace zip::detail {
namespace {

constexpr int kTempAttempts = 100;

std::string TempName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    return ".kx-unzip-" + std::to_string(::getpid()) + "-" + std::to_string(salt) + "-" +
           std::to_string(counter++) + ".tmp";
}

} // namespace

ReplacementFile::ReplacementFile(UniqueFd folder, std::string name, std::string shownPath,
                                 mode_t mode)
    : folder_(std::move(folder)), name_(std::move(name)), shownPath_(std::move(shownPath)) {
    name_ = ExistingSpelling(folder_.Get(), name_);
    struct stat st {};
    if (::fstatat(folder_.Get(), name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(st.st_mode))
            throw ZipError("refusing to replace the symbolic link \"" + shownPath_ +
                           "\" inside the destination");
        if (S_ISDIR(st.st_mode))
            throw ZipError("cannot create the file \"" + shownPath_ +
                           "\": a folder of that name exists");
    }
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        tempName_ = TempName();
        int fd = ::openat(folder_.Get(), tempName_.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            file_ = UniqueFd(fd);
            return;
        }
        if (errno != EEXIST)
            ThrowSystemError("cannot create a file next to \"" + shownPath_ + "\"", errno);
    }
    throw ZipError("cannot create a file next to \"" + shownPath_ + "\": no free name");
}

ReplacementFile::~ReplacementFile() {
    if (committed_)
        return;
    file_.Reset();
    ::unlinkat(folder_.Get(), tempName_.c_str(), 0);
}

void ReplacementFile::Write(const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(file_.Get(), data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowSystemError("cannot write \"" + shownPath_ + "\"", errno);
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
}

void ReplacementFile::Commit(std::optional<int64_t> modifiedTime) {
    if (modifiedTime) {
        timespec times[2] = {{static_cast<time_t>(*modifiedTime), 0},
                             {static_cast<time_t>(*modifiedTime), 0}};
        ::futimens(file_.Get(), times); // a time that cannot be set does not spoil the contents
    }
    if (::close(file_.Release()) != 0)
        ThrowSystemError("cannot write \"" + shownPath_ + "\"", errno);
    if (::renameat(folder_.Get(), tempName_.c_str(), folder_.Get(), name_.c_str()) != 0)
        ThrowSystemError("cannot put \"" + shownPath_ + "\" in place", errno);
    committed_ = true;
}

} // namespace zip::detail
