// Processes: the program of a Windows command line is found in the prefix, started with fork and
// exec, and its start confirmed through a close-on-exec pipe, so that a file the host cannot
// execute fails like a missing one.
#include "platform/sys/process.h"

#include "platform/sys/command_line.h"
#include "platform/sys/prefix.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace sys {

namespace {

struct ResolvedCommand {
    std::string Host;              // the program's host path
    std::vector<std::string> Argv; // the program as named, then the arguments
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program of an unquoted command line may contain blanks ("C:\My Programs\X.EXE /Q"): as on
// Windows, ever longer runs of blank-separated words are tried until one names a program.
std::optional<ResolvedCommand> Resolve(const std::string& commandLine) {
    size_t start = 0;
    while (start < commandLine.size() && IsBlank(commandLine[start]))
        ++start;
    if (start == commandLine.size())
        return std::nullopt;
    if (commandLine[start] == '"') {
        const auto parts = SplitCommandLine(commandLine);
        const auto host = FindProgram(parts.front());
        if (!host)
            return std::nullopt;
        return ResolvedCommand{*host, parts};
    }
    size_t end = start;
    while (end < commandLine.size()) {
        while (end < commandLine.size() && !IsBlank(commandLine[end]))
            ++end;
        const std::string program = commandLine.substr(start, end - start);
        if (const auto host = FindProgram(program)) {
            ResolvedCommand command{*host, {program}};
            for (auto& arg : SplitArguments(std::string_view(commandLine).substr(end)))
                command.Argv.push_back(std::move(arg));
            return command;
        }
        while (end < commandLine.size() && IsBlank(commandLine[end]))
            ++end;
    }
    return std::nullopt;
}

std::vector<std::string> ChildEnvironment(uint16_t showWindow) {
    std::vector<std::string> env;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string_view text = *entry;
        if (text.rfind("KESTRIX_PREFIX=", 0) != 0 && text.rfind("KESTRIX_SHOW_WINDOW=", 0) != 0)
            env.emplace_back(text);
    }
    env.push_back("KESTRIX_PREFIX=" + PrefixRoot().string());
    env.push_back("KESTRIX_SHOW_WINDOW=" + std::to_string(showWindow));
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::optional<ProcessInfo> CreateProcess(const std::string& commandLine, uint16_t showWindow) {
    auto command = Resolve(commandLine);
    if (!command)
        return std::nullopt;
    // Everything the child needs is prepared before fork: the child only calls exec and write.
    std::vector<std::string> env = ChildEnvironment(showWindow);
    std::vector<char*> argv = Pointers(command->Argv);
    std::vector<char*> envp = Pointers(env);
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(pipe[0]);
        ::execve(command->Host.c_str(), argv.data(), envp.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t ignored = ::write(pipe[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(pipe[1]);
    int error = 0;
    ssize_t got;
    do
        got = ::read(pipe[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(pipe[0]);
    if (got > 0) {
        // exec failed: the child has ended already; collect it.
        int status;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return std::nullopt;
    }
    return ProcessInfo{pid};
}

uint32_t WaitForProcess(const ProcessInfo& process) {
    int status = 0;
    pid_t result;
    do
        result = ::waitpid(process.Pid, &status, 0);
    while (result < 0 && errno == EINTR);
    if (result < 0)
        return 0xFFFFFFFF; // not a child of ours, or already collected
    if (WIFSIGNALED(status))
        return 0xC0000000u + static_cast<uint32_t>(WTERMSIG(status));
    return static_cast<uint32_t>(WEXITSTATUS(status));
}

void CloseProcess(const ProcessInfo& process) {
    if (process.Pid <= 0)
        return;
    // A waiter of its own collects the child whenever it ends, so that it leaves no zombie.
    std::thread([pid = process.Pid] {
        int status;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace sys
