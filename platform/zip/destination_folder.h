#pragma once
// The folder an archive is extracted into. Folders below it are walked one component at a time
// without following symbolic links, so that a link planted inside the destination can never
// lead a write outside it. The destination itself may be a link: the caller chose it.
#include "platform/zip/unique_fd.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zip::detail {

class DestinationFolder {
public:
    // Creates root (with its parents) when missing and opens it; raises ZipError on failure.
    explicit DestinationFolder(const std::filesystem::path& root);

    // Opens the folder reached by folders below root, creating the missing ones. Raises
    // ZipError when a component is a symbolic link or not a folder.
    UniqueFd OpenFolder(const std::vector<std::string>& folders) const;

private:
    UniqueFd root_;
};

// "a/b/c" from the components, for messages.
std::string JoinComponents(const std::vector<std::string>& components, size_t count);

} // namespace zip::detail
