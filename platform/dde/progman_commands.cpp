#include "platform/dde/progman_commands.h"

namespace dde {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '_';
}

std::string TrimBlanks(std::string_view text) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && IsBlank(text[start]))
        ++start;
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(start, end - start));
}

} // namespace

std::string DdeCommandReader::Where() const {
    return AtEnd() ? "at the end of the text" : "at offset " + std::to_string(Pos);
}

void DdeCommandReader::SkipBlanks() {
    while (!AtEnd() && IsBlank(Text[Pos]))
        ++Pos;
}

bool DdeCommandReader::ReadArgument(std::string& arg, std::string& problem) {
    SkipBlanks();
    if (!AtEnd() && Text[Pos] == '"') {
        const size_t close = Text.find('"', Pos + 1);
        if (close == std::string_view::npos) {
            problem = "unterminated quote at offset " + std::to_string(Pos);
            return false;
        }
        arg = std::string(Text.substr(Pos + 1, close - Pos - 1));
        Pos = close + 1;
        SkipBlanks();
    } else {
        const size_t start = Pos;
        while (!AtEnd() && Text[Pos] != ',' && Text[Pos] != ')') {
            const char c = Text[Pos];
            if (c == '"' || c == '(' || c == '[' || c == ']') {
                problem = std::string("unexpected ") + c + " inside an argument " + Where();
                return false;
            }
            ++Pos;
        }
        arg = TrimBlanks(Text.substr(start, Pos - start));
    }
    if (AtEnd() || (Text[Pos] != ',' && Text[Pos] != ')')) {
        problem = "expected , or ) " + Where();
        return false;
    }
    return true;
}

DdeCommandReader::Status DdeCommandReader::Next(DdeCommand& command, std::string& problem) {
    const auto malformed = [&](std::string what) {
        problem = std::move(what);
        Pos = Text.size();
        return Status::Malformed;
    };
    SkipBlanks();
    if (AtEnd())
        return Status::End;
    command = DdeCommand{};
    command.Offset = Pos;
    if (Text[Pos] != '[')
        return malformed("expected [ " + Where());
    ++Pos;
    SkipBlanks();
    const size_t nameStart = Pos;
    if (AtEnd() || !IsNameStart(Text[Pos]))
        return malformed("expected a command name " + Where());
    while (!AtEnd() && IsNameChar(Text[Pos]))
        ++Pos;
    command.Name = std::string(Text.substr(nameStart, Pos - nameStart));
    SkipBlanks();
    if (!AtEnd() && Text[Pos] == '(') {
        ++Pos;
        SkipBlanks();
        if (!AtEnd() && Text[Pos] == ')') {
            ++Pos;
        } else {
            for (;;) {
                std::string arg;
                if (!ReadArgument(arg, problem))
                    return malformed(problem);
                command.Args.push_back(std::move(arg));
                if (Text[Pos++] == ')')
                    break;
            }
        }
        SkipBlanks();
    }
    if (AtEnd() || Text[Pos] != ']')
        return malformed("expected ] after " + command.Name + " " + Where());
    ++Pos;
    return Status::Command;
}

bool ParseDdeCommands(std::string_view text, std::vector<DdeCommand>& commands,
                      std::string& problem) {
    DdeCommandReader reader(text);
    DdeCommand command;
    for (;;) {
        switch (reader.Next(command, problem)) {
        case DdeCommandReader::Status::End:
            return true;
        case DdeCommandReader::Status::Malformed:
            return false;
        case DdeCommandReader::Status::Command:
            commands.push_back(std::move(command));
            break;
        }
    }
}

} // namespace dde
