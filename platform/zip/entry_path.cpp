#include "platform/zip/entry_path.h"

#include "platform/zip/zip_error.h"

namespace zip::detail {
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

EntryPath ParseEntryPath(const std::string& name) {
    if (name.find('\0') != std::string::npos)
        throw ZipError("unsafe path (the name contains a NUL character)");
    if (!name.empty() && IsSeparator(name.front()))
        throw ZipError("unsafe path (absolute)");
    if (name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == ':')
        throw ZipError("unsafe path (drive letter)");

    EntryPath path;
    // "dir/" and "dir/." both name a folder.
    path.IsFolder = !name.empty() && (IsSeparator(name.back()) || name.back() == '.');
    std::vector<std::string> components;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        std::string component = name.substr(start, end - start);
        if (component == "..")
            throw ZipError("unsafe path (a \"..\" component would leave the destination)");
        if (end == name.size())
            path.IsFolder = path.IsFolder && (component.empty() || component == ".");
        if (!component.empty() && component != ".")
            components.push_back(std::move(component));
        start = end + 1;
    }
    if (!path.IsFolder) {
        if (components.empty())
            throw ZipError("the entry names no file");
        path.Leaf = std::move(components.back());
        components.pop_back();
    }
    path.Folders = std::move(components);
    return path;
}

} // namespace zip::detail
