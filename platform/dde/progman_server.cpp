#include "platform/dde/progman_server.h"

#include "platform/dde/group_error.h"
#include "platform/sys/ascii.h"
#include "platform/sys/files.h"

#include <charconv>
#include <optional>
#include <system_error>

namespace dde {

namespace {

struct CommandShape {
    const char* Name;
    size_t MinArgs;
    size_t MaxArgs;
};

constexpr CommandShape Commands[] = {
    {"CreateGroup", 1, 2}, {"ShowGroup", 2, 3},   {"AddItem", 1, 10},
    {"DeleteItem", 1, 1},  {"DeleteGroup", 1, 2}, {"Reload", 0, 1},
};

const CommandShape* FindShape(const std::string& name) {
    for (const CommandShape& shape : Commands)
        if (sys::EqualsNoCase(shape.Name, name))
            return &shape;
    return nullptr;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80           ? 1
                        : (c >> 5) == 0x6  ? 2
                        : (c >> 4) == 0xE  ? 3
                        : (c >> 3) == 0x1E ? 4
                                           : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2))
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

bool IsPlainText(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return false;
    return IsValidUtf8(text);
}

// An optional integer argument: nullopt when absent or empty.
std::optional<long> IntegerArg(const DdeCommand& command, size_t index, const char* what) {
    if (index >= command.Args.size() || sys::TrimBlanks(command.Args[index]).empty())
        return std::nullopt;
    const std::string text = sys::TrimBlanks(command.Args[index]);
    long value = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw ProgramGroupError(std::string(what) + " \"" + text + "\" is not a number");
    return value;
}

std::string IntegerText(const std::optional<long>& value) {
    return value ? std::to_string(*value) : "";
}

std::string TextArg(const DdeCommand& command, size_t index) {
    return index < command.Args.size() ? sys::TrimBlanks(command.Args[index]) : "";
}

} // namespace

ProgmanServer::ProgmanServer(std::filesystem::path prefixRoot)
    : Prefix(prefixRoot), Groups(std::move(prefixRoot)) {}

bool ProgmanServer::Execute(std::string_view macro) {
    Error.clear();
    DdeCommandReader reader(macro);
    DdeCommand command;
    std::string problem;
    for (;;) {
        switch (reader.Next(command, problem)) {
        case DdeCommandReader::Status::End:
            return true;
        case DdeCommandReader::Status::Malformed:
            Error = "malformed command: " + problem;
            return false;
        case DdeCommandReader::Status::Command:
            try {
                Run(command);
            } catch (const std::exception& error) {
                Error = command.Name + ": " + error.what();
                return false;
            }
        }
    }
}

ProgramItem ProgmanServer::ItemOf(const DdeCommand& command) const {
    ProgramItem item;
    item.CommandLine = TextArg(command, 0);
    item.Name = TextArg(command, 1);
    item.IconPath = TextArg(command, 2);
    item.IconIndex = IntegerText(IntegerArg(command, 3, "icon index"));
    const std::optional<long> x = IntegerArg(command, 4, "x position");
    const std::optional<long> y = IntegerArg(command, 5, "y position");
    if (x.has_value() != y.has_value())
        throw ProgramGroupError("an item position needs both x and y");
    item.WorkingFolder = TextArg(command, 6);
    item.Hotkey = IntegerText(IntegerArg(command, 7, "hotkey"));
    item.Minimized = IntegerArg(command, 8, "minimize flag").value_or(0) != 0;
    IntegerArg(command, 9, "separate memory flag"); // has no meaning here, but must be a number
    if (item.CommandLine.empty())
        throw ProgramGroupError("an item needs a command line");
    return item;
}

void ProgmanServer::Reload(const DdeCommand& command) {
    if (!command.Args.empty()) {
        Groups.Read(TextArg(command, 0));
        return;
    }
    const std::filesystem::path merged = Groups.MenuFolder();
    std::error_code error;
    if (!std::filesystem::is_directory(merged, error))
        return;
    for (const auto& entry : std::filesystem::directory_iterator(merged, error))
        if (entry.path().extension() == ".menu" &&
            entry.path().filename().string().rfind("kestrix-", 0) == 0)
            ReadGroupMenu(entry.path());
    if (error)
        throw ProgramGroupError(merged.string() + ": cannot be listed: " + error.message());
}

void ProgmanServer::Run(const DdeCommand& command) {
    const CommandShape* shape = FindShape(command.Name);
    if (!shape)
        throw ProgramGroupError("unknown command");
    if (command.Args.size() < shape->MinArgs || command.Args.size() > shape->MaxArgs)
        throw ProgramGroupError("wrong number of arguments");
    for (const std::string& arg : command.Args)
        if (!IsPlainText(arg))
            throw ProgramGroupError("an argument holds a control character or is not UTF-8");
    const std::string name = sys::UpperAscii(shape->Name);
    if (name == "RELOAD") {
        Reload(command);
        return;
    }
    if (name == "ADDITEM") {
        if (Current.empty())
            throw ProgramGroupError("no group was created or shown before");
        Groups.AddItem(Current, ItemOf(command));
        return;
    }
    const std::string target = TextArg(command, 0);
    if (target.empty())
        throw ProgramGroupError("a name is needed");
    if (name == "CREATEGROUP") {
        Groups.Create(target);
        Current = target;
    } else if (name == "SHOWGROUP") {
        const long show = IntegerArg(command, 1, "show command").value_or(0);
        if (show < 1 || show > 8)
            throw ProgramGroupError("show command \"" + command.Args[1] + "\" is not 1 to 8");
        Groups.Show(target, static_cast<int>(show));
        Current = target;
    } else if (name == "DELETEGROUP") {
        Groups.Delete(target);
        if (sys::EqualsNoCase(Current, target))
            Current.clear();
    } else if (name == "DELETEITEM") {
        if (Current.empty())
            throw ProgramGroupError("no group was created or shown before");
        Groups.DeleteItem(Current, target);
    }
}

} // namespace dde
