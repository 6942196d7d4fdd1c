// regedit /s FILE...      imports .reg files into the prefix's hive without asking
// regedit /e FILE [KEY]   exports the hive, or one key with its subkeys, in the version-5 format
//
// Files are Windows paths of the prefix (as the installer passes them); a path that starts with
// "/" is a host path. Failures go to standard error with a non-zero exit code.
#include "platform/sys/ascii.h"
#include "platform/sys/prefix.h"
#include "platform/sys/registry.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

bool IsOption(const std::string& arg, char letter) {
    return arg.size() == 2 && (arg[0] == '/' || arg[0] == '-') &&
           sys::ToLowerAscii(arg[1]) == letter;
}

std::string HostFile(const std::string& arg) {
    if (!arg.empty() && arg[0] == '/')
        return arg;
    return sys::HostPath(arg).string();
}

int Usage() {
    std::fputs("usage: regedit [/s] FILE.reg...\n       regedit /e FILE.reg [KEY]\n", stderr);
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool exportMode = false;
    std::vector<std::string> operands;
    for (const auto& arg : args) {
        if (IsOption(arg, 's'))
            continue; // silent is the only way this editor imports
        if (IsOption(arg, 'e'))
            exportMode = true;
        else
            operands.push_back(arg);
    }
    if (operands.empty() || (exportMode && operands.size() > 2))
        return Usage();
    try {
        if (exportMode) {
            sys::ExportRegFile(HostFile(operands[0]), operands.size() > 1 ? operands[1] : "");
            return 0;
        }
        for (const auto& file : operands)
            sys::ImportRegFile(HostFile(file));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "regedit: %s\n", error.what());
        return ExitFailure;
    }
}
