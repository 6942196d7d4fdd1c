#include "platform/dde/item_launch.h"

#include "platform/dde/group_error.h"
#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/process.h"

#include <optional>

namespace dde {

namespace {

bool EndsWithProgramExtension(const std::string& path) {
    const std::string ext = sys::UpperAscii(sys::ExtractFileExt(path));
    return ext == ".EXE" || ext == ".COM" || ext == ".BAT" || ext == ".CMD";
}

// Splits an unquoted command line at the blank after the program.
std::pair<std::string, std::string> SplitUnquoted(const std::string& line) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= line.size(); ++i)
        if (i == line.size() || (line[i] == ' ' && line[i - 1] != ' '))
            ends.push_back(i);
    for (size_t end : ends)
        if (sys::FileExists(line.substr(0, end)))
            return {line.substr(0, end), line.substr(end)};
    for (size_t end : ends)
        if (EndsWithProgramExtension(line.substr(0, end)))
            return {line.substr(0, end), line.substr(end)};
    return {line, ""};
}

std::filesystem::path HostOf(const std::string& windowsPath, const char* what) {
    std::optional<std::filesystem::path> host = sys::ToHostPath(windowsPath);
    if (!host)
        throw ProgramGroupError(std::string("the ") + what + " " + windowsPath +
                                " lies on a drive that is not mapped");
    return *host;
}

} // namespace

ItemLaunch ResolveItemLaunch(const std::string& commandLine, const std::string& workingFolder,
                             const std::filesystem::path& prefixRoot) {
    const std::string line = sys::TrimBlanks(commandLine);
    if (line.empty())
        throw ProgramGroupError("an item needs a command line");
    auto [program, rest] = SplitUnquoted(line);
    std::vector<std::string> args;
    if (!sys::TrimBlanks(rest).empty())
        args = sys::SplitCommandLine(rest);
    ItemLaunch launch;
    launch.Program = program;
    const std::filesystem::path host = HostOf(program, "program");
    launch.Argv = {"env", "KESTRIX_PREFIX=" + prefixRoot.string(), host.string()};
    launch.Argv.insert(launch.Argv.end(), args.begin(), args.end());
    launch.WorkingFolder = sys::TrimBlanks(workingFolder).empty()
                               ? host.parent_path()
                               : HostOf(sys::TrimBlanks(workingFolder), "working folder");
    return launch;
}

} // namespace dde
