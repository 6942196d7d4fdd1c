#pragma once
// The command syntax of Program Manager's DDE interface:
//   [CreateGroup("Kestrix")][AddItem("C:\Kesvard\TALVEN.EXE", "Talven")] [ShowGroup(Kestrix,8)]
// Each command is a name in brackets with an optional list of arguments in parentheses.
// Arguments are separated by commas; an argument is either quoted (everything up to the next
// double quote, commas and brackets included) or bare (trimmed, without quotes, brackets or
// parentheses); empty arguments are allowed ("AddItem(x,,,,)"). Blanks and line breaks may
// stand between commands and around names and arguments.
//
// The reader hands out one command at a time, so that the server runs the commands before a
// malformed one, as Program Manager does.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dde {

struct DdeCommand {
    std::string Name;
    std::vector<std::string> Args;
    size_t Offset = 0; // where its "[" stands in the text
};

class DdeCommandReader {
public:
    enum class Status { Command, End, Malformed };

    explicit DdeCommandReader(std::string_view text) : Text(text) {}
    // Command: the next one is in command. End: nothing but blanks is left. Malformed: problem
    // tells what and where; the reader then stays at the end.
    Status Next(DdeCommand& command, std::string& problem);

private:
    bool ReadArgument(std::string& arg, std::string& problem);
    void SkipBlanks();
    bool AtEnd() const { return Pos >= Text.size(); }
    std::string Where() const;

    std::string_view Text;
    size_t Pos = 0;
};

// All commands of a text; false with the problem when one is malformed.
bool ParseDdeCommands(std::string_view text, std::vector<DdeCommand>& commands,
                      std::string& problem);

} // namespace dde
