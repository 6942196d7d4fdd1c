// The run-time library's file name helpers on Windows paths; "/" counts as a separator too.
#include "platform/sys/files.h"
#include "platform/sys/win_path.h"

namespace sys {

namespace {

// The index just after the last separator or drive colon (0 when there is none).
size_t NameStart(const std::string& path) {
    const size_t last = path.find_last_of("\\/:");
    return last == std::string::npos ? 0 : last + 1;
}

} // namespace

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && IsPathSeparator(path.back()))
        return path;
    return path + "\\";
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && IsPathSeparator(path.back()))
        return path.substr(0, path.size() - 1);
    return path;
}

std::string ExtractFilePath(const std::string& path) {
    return path.substr(0, NameStart(path));
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(NameStart(path));
}

std::string ExtractFileExt(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < NameStart(path))
        return "";
    return path.substr(dot);
}

} // namespace sys
