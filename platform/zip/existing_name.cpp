#include "platform/zip/existing_name.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zip::detail {
namespace {

bool EqualsNoCase(const char* a, const std::string& b) {
    size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y + 32);
        if (x != y)
            return false;
    }
    return a[i] == '\0' && i == b.size();
}

} // namespace

std::string ExistingSpelling(int folderFd, const std::string& name) {
    struct stat st {};
    if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return name;
    const int listing = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return name;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return name;
    }
    std::string found;
    while (const dirent* item = ::readdir(dir))
        if (EqualsNoCase(item->d_name, name) && (found.empty() || found > item->d_name))
            found = item->d_name;
    ::closedir(dir);
    return found.empty() ? name : found;
}

} // namespace zip::detail
