#pragma once
// How a program group item starts its program: the Windows command line Program Manager was
// given, turned into a host command that runs the program through the prefix.
#include <filesystem>
#include <string>
#include <vector>

namespace dde {

struct ItemLaunch {
    std::vector<std::string> Argv;       // env KESTRIX_PREFIX=<prefix> <host program> args...
    std::filesystem::path WorkingFolder; // host folder
    std::string Program;                 // the Windows path of the program
};

// Program Manager's command lines carry no quotes, so the program is found as Windows finds
// an unquoted path with blanks: the shortest leading part that names an existing file, else
// the shortest that ends in .EXE, .COM, .BAT or .CMD, else the whole line. What follows are
// the program's arguments. workingFolder "" means the program's
// folder. Raises ProgramGroupError when a path lies on a drive the prefix does not map.
ItemLaunch ResolveItemLaunch(const std::string& commandLine, const std::string& workingFolder,
                             const std::filesystem::path& prefixRoot);

} // namespace dde
