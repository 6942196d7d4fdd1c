#include "progman_fixture.h"

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kxtest {

std::map<std::string, std::string> ProgmanTest::ReadEntry(const std::filesystem::path& file) {
    std::map<std::string, std::string> keys;
    std::string text = TempPrefix::Read(file);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string value;
        for (size_t i = equals + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                const char next = line[++i];
                value += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
            } else {
                value += line[i];
            }
        }
        keys[line.substr(0, equals)] = value;
    }
    return keys;
}

std::vector<std::string> ProgmanTest::ExecArguments(const std::string& exec) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') {
            inArg = true;
            for (++i; i < exec.size() && exec[i] != '"'; ++i) {
                if (exec[i] == '\\' && i + 1 < exec.size())
                    ++i;
                current += exec[i];
            }
        } else if (c == ' ') {
            if (inArg)
                args.push_back(current);
            current.clear();
            inArg = false;
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            current += '%';
            ++i;
            inArg = true;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args.push_back(current);
    return args;
}

int ProgmanTest::Launch(const std::filesystem::path& file) {
    const auto entry = ReadEntry(file);
    const std::vector<std::string> args = ExecArguments(entry.at("Exec"));
    const std::string folder = entry.at("Path");
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ProgmanTest::HasValidator() {
    return access("/usr/bin/desktop-file-validate", X_OK) == 0;
}

std::string ProgmanTest::Validate(const std::filesystem::path& file) {
    const std::string command = "/usr/bin/desktop-file-validate '" + file.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        const int status = pclose(pipe);
        if (status != 0 && output.empty())
            output = "desktop-file-validate failed";
    }
    return output;
}

std::filesystem::path ProgmanTest::WriteRecordingProgram(const std::string& relativeToC) const {
    const std::filesystem::path program = Prefix.C(relativeToC);
    TempPrefix::Write(program, "#!/bin/sh\n"
                               "out=\"$(dirname \"$0\")/ran.txt\"\n"
                               "echo \"prefix=$KESTRIX_PREFIX\" > \"$out\"\n"
                               "echo \"folder=$(pwd)\" >> \"$out\"\n"
                               "for a in \"$@\"; do echo \"arg=$a\" >> \"$out\"; done\n");
    chmod(program.c_str(), 0755);
    return program;
}

} // namespace kxtest
