#include "platform/zip/destination_folder.h"

#include "platform/zip/existing_name.h"
#include "platform/zip/zip_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

namespace zip::detail {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens one folder below parent (under any spelling of its name), creating it when missing.
int OpenOrCreate(int parent, const std::string& wanted) {
    const std::string name = ExistingSpelling(parent, wanted);
    int fd = ::openat(parent, name.c_str(), kFolderFlags);
    if (fd >= 0 || errno != ENOENT)
        return fd;
    if (::mkdirat(parent, name.c_str(), 0777) != 0 && errno != EEXIST)
        return -1;
    return ::openat(parent, name.c_str(), kFolderFlags);
}

} // namespace

std::string JoinComponents(const std::vector<std::string>& components, size_t count) {
    std::string joined;
    for (size_t i = 0; i < count && i < components.size(); ++i) {
        if (i > 0)
            joined += '/';
        joined += components[i];
    }
    return joined;
}

DestinationFolder::DestinationFolder(const std::filesystem::path& root) {
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    if (ec)
        throw ZipError("cannot create the destination folder " + root.string() + ": " +
                       ec.message());
    root_ = UniqueFd(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (root_.Get() < 0)
        ThrowSystemError("cannot open the destination folder " + root.string(), errno);
}

UniqueFd DestinationFolder::OpenFolder(const std::vector<std::string>& folders) const {
    UniqueFd current(::dup(root_.Get()));
    if (current.Get() < 0)
        ThrowSystemError("cannot open the destination folder", errno);
    for (size_t i = 0; i < folders.size(); ++i) {
        int fd = OpenOrCreate(current.Get(), folders[i]);
        if (fd < 0) {
            int err = errno;
            std::string shown = "\"" + JoinComponents(folders, i + 1) + "\"";
            struct stat st {};
            if (::fstatat(current.Get(), folders[i].c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
                if (S_ISLNK(st.st_mode))
                    throw ZipError("refusing to follow the symbolic link " + shown +
                                   " inside the destination");
                if (!S_ISDIR(st.st_mode))
                    throw ZipError("cannot create the folder " + shown +
                                   ": a file of that name exists");
            }
            ThrowSystemError("cannot create the folder " + shown, err);
        }
        current = UniqueFd(fd);
    }
    return current;
}

} // namespace zip::detail
