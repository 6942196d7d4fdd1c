#pragma once
// Where an entry goes below the destination: its stored name split at "/" and "\" into safe
// relative components.
#include <string>
#include <vector>

namespace zip::detail {

struct EntryPath {
    std::vector<std::string> Folders; // the folders to walk or create, outermost first
    std::string Leaf;                 // the file name; empty for a folder entry
    bool IsFolder = false;
};

// Raises ZipError for an absolute name, a drive letter, a ".." component, a NUL byte or a file
// entry without a name. Empty and "." components are skipped.
EntryPath ParseEntryPath(const std::string& name);

} // namespace zip::detail
