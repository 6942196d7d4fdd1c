#pragma once
// The Program Manager DDE server built into the platform (service "ProgMan"). It runs the
// commands of Program Manager's DDE interface on the prefix's program groups (ProgramGroups):
//   CreateGroup(name[,groupFile])   creates the group, or selects it when it exists
//   ShowGroup(name,showCommand[,common])   selects an existing group, records the show command
//                                   (1 to 8)
//   AddItem(commandLine[,name[,iconPath[,iconIndex[,x,y[,workingFolder[,hotkey[,minimize]]]]]]])
//                                   adds an item to the group created or shown last
//   DeleteItem(name)                removes an item of that group
//   DeleteGroup(name[,common])      removes a group with its items
//   Reload([name])                  reads a group's (or every group's) menu file again
// Command names compare without regard to case. The commands of one macro run in order; the
// first malformed, unknown or failing command stops the macro, and the commands before it
// stay done.
#include "platform/dde/progman_commands.h"
#include "platform/dde/program_groups.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace dde {

class ProgmanServer {
public:
    explicit ProgmanServer(std::filesystem::path prefixRoot);

    bool Execute(std::string_view macro);
    // Why the last macro stopped ("" when it ran whole): the command and the reason, naming
    // the file concerned when one was at fault.
    const std::string& LastError() const { return Error; }
    const std::string& CurrentGroup() const { return Current; }

private:
    void Run(const DdeCommand& command); // raises ProgramGroupError
    void Reload(const DdeCommand& command);
    ProgramItem ItemOf(const DdeCommand& command) const;

    std::filesystem::path Prefix;
    ProgramGroups Groups;
    std::string Current;
    std::string Error;
};

} // namespace dde
