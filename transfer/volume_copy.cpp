#include "transfer/volume_copy.h"

#include "platform/sys/host_file.h"

#include <cerrno>
#include <unistd.h>

namespace {

// Reads up to size bytes, going on after short reads; -1 when the read fails.
ssize_t ReadFull(int fd, char* data, size_t size) {
    size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd, data + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(total);
}

void CopyThroughBuffer(int source, int target, std::vector<char>& buffer) {
    for (;;) {
        const ssize_t got = ReadFull(source, buffer.data(), buffer.size());
        if (got < 0)
            return; // a failed read ends the copy without writing
        if (!sys::WriteAll(target, buffer.data(), static_cast<size_t>(got)))
            return;
        if (static_cast<size_t>(got) < buffer.size())
            return;
    }
}

// The kernel's copy is not offered between every pair of files (other file systems, special
// files); these answers mean "copy it yourself", and nothing was copied yet.
bool KernelCopyUnavailable(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == EBADF;
}

} // namespace

void AppendFileData(int source, int target, std::vector<char>& buffer) {
    bool copiedAny = false;
    for (;;) {
        const ssize_t copied =
            ::copy_file_range(source, nullptr, target, nullptr, buffer.size(), 0);
        if (copied > 0) {
            copiedAny = true;
            continue;
        }
        if (copied == 0)
            return;
        if (errno == EINTR)
            continue;
        if (!copiedAny && KernelCopyUnavailable(errno))
            CopyThroughBuffer(source, target, buffer);
        return;
    }
}
