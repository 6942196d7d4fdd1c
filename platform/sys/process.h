#pragma once
// Processes started from a Windows command line, found by the Windows search order inside the
// prefix.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sys {

// Splits a command line by the Windows rules (CommandLineToArgvW): quotes group, backslashes
// before a quote escape it.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Finds the program a command line names: a path is taken as given (relative to the current
// folder); a bare name is looked for in the executable's folder, the current folder and the
// Windows folder, and then in the host PATH. In each place a name without extension is tried with
// ".EXE" first, then as it is (the prefix's own tools, like "regedit", have no extension). Only
// regular files count. Returns the host path.
std::optional<std::string> FindProgram(const std::string& program);

struct ProcessInfo {
    int Pid = -1;
};

// Starts the program of the command line with its arguments (the show mode is recorded for the
// child in KESTRIX_SHOW_WINDOW, the prefix in KESTRIX_PREFIX; arguments stay Windows paths). An
// unquoted program path with blanks is found as Windows finds it, trying ever longer runs of
// words. nullopt when the program is missing or the host cannot execute it.
std::optional<ProcessInfo> CreateProcess(const std::string& commandLine, uint16_t showWindow);
// Waits without a time limit and returns the exit code (a signal death gives 0xC0000000 + signal).
uint32_t WaitForProcess(const ProcessInfo& process);
// Lets the child run on without waiting (its exit status is collected when it ends).
void CloseProcess(const ProcessInfo& process);

} // namespace sys
