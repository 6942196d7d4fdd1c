#include "platform/sys/command_line.h"

#include "platform/sys/process.h"

namespace sys {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> args;
    size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos >= text.size())
            return args;
        std::string arg;
        bool quoted = false;
        while (pos < text.size() && (quoted || !IsBlank(text[pos]))) {
            const char c = text[pos];
            if (c == '\\') {
                size_t count = 0;
                while (pos < text.size() && text[pos] == '\\') {
                    ++count;
                    ++pos;
                }
                if (pos < text.size() && text[pos] == '"') {
                    arg.append(count / 2, '\\');
                    if (count % 2 == 1) {
                        arg += '"';
                        ++pos;
                    }
                } else {
                    arg.append(count, '\\');
                }
            } else if (c == '"') {
                if (quoted && pos + 1 < text.size() && text[pos + 1] == '"') {
                    arg += '"';
                    pos += 2;
                } else {
                    quoted = !quoted;
                    ++pos;
                }
            } else {
                arg += c;
                ++pos;
            }
        }
        args.push_back(std::move(arg));
    }
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    // The program name has its own rule: up to the closing quote, or up to the first blank; a
    // backslash there is a path separator, never an escape.
    std::string_view text = commandLine;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    if (text.empty())
        return {};
    size_t end;
    std::string program;
    if (text[0] == '"') {
        const size_t close = text.find('"', 1);
        end = close == std::string_view::npos ? text.size() : close + 1;
        program = std::string(
            text.substr(1, (close == std::string_view::npos ? text.size() : close) - 1));
    } else {
        end = 0;
        while (end < text.size() && !IsBlank(text[end]))
            ++end;
        program = std::string(text.substr(0, end));
    }
    std::vector<std::string> args{program};
    for (auto& arg : SplitArguments(text.substr(end)))
        args.push_back(std::move(arg));
    return args;
}

} // namespace sys
