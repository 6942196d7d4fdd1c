// Program Manager's DDE command syntax on arbitrary text: every command handed out before a
// malformed one is whole, and reading never runs past the text.
#include "platform/dde/progman_commands.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    dde::DdeCommandReader reader(text);
    dde::DdeCommand command;
    std::string problem;
    size_t lastOffset = 0;
    bool first = true;
    for (;;) {
        const auto status = reader.Next(command, problem);
        if (status != dde::DdeCommandReader::Status::Command)
            break;
        if (command.Name.empty() || command.Offset >= size || text[command.Offset] != '[' ||
            (!first && command.Offset <= lastOffset))
            std::abort();
        lastOffset = command.Offset;
        first = false;
    }
    std::vector<dde::DdeCommand> all;
    dde::ParseDdeCommands(text, all, problem);
    return 0;
}
