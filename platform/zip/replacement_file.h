#pragma once
// A file written under a temporary name next to its target and renamed over the target only
// when it is complete, so that a failed entry never leaves a partial file in place of a good
// one. Until Commit succeeds, the destructor removes the temporary file.
#include "platform/zip/unique_fd.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

namespace zip::detail {

class ReplacementFile {
public:
    // folder holds the target; shownPath names it in messages. Raises ZipError when the target
    // is a symbolic link or a folder, or the temporary file cannot be created.
    ReplacementFile(UniqueFd folder, std::string name, std::string shownPath, mode_t mode);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void Write(const uint8_t* data, size_t size);
    // Gives the file its modification time (seconds since the epoch) when one is known, and
    // puts it in place of the target.
    void Commit(std::optional<int64_t> modifiedTime);

private:
    UniqueFd folder_;
    UniqueFd file_;
    std::string name_;
    std::string tempName_;
    std::string shownPath_;
    bool committed_ = false;
};

} // namespace zip::detail
