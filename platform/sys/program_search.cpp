// FindProgram: the Windows search order for the program of a command line, inside the prefix.
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/process.h"
#include "platform/sys/win_path.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

std::optional<std::string> RegularFile(const std::string& windowsPath) {
    const auto host = ToHostPath(windowsPath);
    struct stat info {};
    if (host && ::stat(host->c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return host->string();
    return std::nullopt;
}

// The name as given, and with ".EXE" when it has no extension (tried first, as Windows does);
// the bare name is still tried so that the prefix's own tools ("regedit") are found.
std::optional<std::string> TryNames(const std::string& path) {
    if (ExtractFileExt(path).empty())
        if (auto found = RegularFile(path + ".EXE"))
            return found;
    return RegularFile(path);
}

std::optional<std::string> FromHostPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path)
        return std::nullopt;
    const std::string dirs = path;
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
        const std::string candidate = dir + "/" + name;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindProgram(const std::string& program) {
    if (program.empty())
        return std::nullopt;
    const bool hasFolder = program.find_first_of("\\/:") != std::string::npos;
    if (hasFolder)
        return TryNames(program);
    std::vector<std::string> folders;
    try {
        folders.push_back(ExeFolder());
    } catch (const std::exception&) {
        // a program outside every drive has no folder to search
    }
    folders.push_back(IncludeTrailingPathDelimiter(GetCurrentDir()));
    folders.push_back(IncludeTrailingPathDelimiter(GetWindowsDirectory()));
    for (const auto& folder : folders)
        if (auto found = TryNames(folder + program))
            return found;
    return FromHostPath(program);
}

} // namespace sys
