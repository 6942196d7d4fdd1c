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

// Finds the program a command line names: the given path, with ".EXE" appended when it has no
// extension, then the executable's folder, the current folder, the Windows folder; a bare name
// that is still not found is looked up in the host PATH. Returns the host path.
std::optional<std::string> FindProgram(const std::string& program);

struct ProcessInfo {
    int Pid = -1;
};

// Starts the program of the command line with its arguments (the show mode is recorded for the
// child in KESTRIX_SHOW_WINDOW). nullopt when the program is missing or cannot be executed.
std::optional<ProcessInfo> CreateProcess(const std::string& commandLine, uint16_t showWindow);
// Waits without a time limit and returns the exit code (a signal death gives 0xC0000000 + signal).
uint32_t WaitForProcess(const ProcessInfo& process);
// Lets the child run on without waiting (its exit status is collected when it ends).
void CloseProcess(const ProcessInfo& process);

} // namespace sys
