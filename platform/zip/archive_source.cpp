#include "platform/zip/archive_source.h"

#include "platform/zip/zip_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zip::detail {
namespace {

class FileSource : public ArchiveSource {
public:
    FileSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
    ~FileSource() override { ::close(fd_); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    uint64_t Size() const override { return size_; }

    size_t ReadAt(uint64_t offset, void* buffer, size_t length) const override {
        auto* out = static_cast<uint8_t*>(buffer);
        size_t done = 0;
        while (done < length && offset + done < size_) {
            ssize_t n = ::pread(fd_, out + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                ThrowSystemError("cannot read the archive", errno);
            }
            if (n == 0)
                break;
            done += static_cast<size_t>(n);
        }
        return done;
    }

private:
    int fd_;
    uint64_t size_;
};

class MemorySource : public ArchiveSource {
public:
    explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint64_t Size() const override { return bytes_.size(); }

    size_t ReadAt(uint64_t offset, void* buffer, size_t length) const override {
        if (length == 0 || offset >= bytes_.size())
            return 0;
        size_t n = std::min<uint64_t>(length, bytes_.size() - offset);
        std::memcpy(buffer, bytes_.data() + offset, n);
        return n;
    }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace

void ArchiveSource::ReadExact(uint64_t offset, void* buffer, size_t length,
                              const char* what) const {
    if (offset > Size() || length > Size() - offset || ReadAt(offset, buffer, length) != length)
        throw ZipError(std::string("the archive is truncated (") + what + " is cut off)");
}

std::unique_ptr<ArchiveSource> OpenFileSource(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowSystemError("cannot open the archive", errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw ZipError("cannot open the archive: not a regular file");
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::make_unique<FileSource>(fd, static_cast<uint64_t>(st.st_size));
}

std::unique_ptr<ArchiveSource> MakeMemorySource(std::vector<uint8_t> bytes) {
    return std::make_unique<MemorySource>(std::move(bytes));
}

} // namespace zip::detail
