// Program Manager's DDE command syntax.
#include "platform/dde/progman_commands.h"

#include <gtest/gtest.h>

namespace {

using dde::DdeCommand;
using dde::DdeCommandReader;
using dde::ParseDdeCommands;

std::string Describe(const std::vector<DdeCommand>& commands) {
    std::string out;
    for (const DdeCommand& command : commands) {
        out += command.Name + "(";
        for (size_t i = 0; i < command.Args.size(); ++i)
            out += (i ? "|" : "") + command.Args[i];
        out += ")";
    }
    return out;
}

struct GoodText {
    const char* Text;
    const char* Commands;
};

TEST(DdeCommands, ReadsTheRealSyntax) {
    const GoodText cases[] = {
        {"[CreateGroup(\"Kestrix\")][AddItem(\"C:\\Kesvard\\TALVEN.EXE\", \"Talven\")]"
         "[ShowGroup(\"Kestrix\",8)]",
         "CreateGroup(Kestrix)AddItem(C:\\Kesvard\\TALVEN.EXE|Talven)ShowGroup(Kestrix|8)"},
        {"  [ CreateGroup ( Kestrix , C:\\k.grp ) ]\r\n\t[Reload]  ",
         "CreateGroup(Kestrix|C:\\k.grp)Reload()"},
        {"[AddItem(\"C:\\Program Files\\A, B [x]\\P.EXE\",,,,,,\"C:\\Dir\")]",
         "AddItem(C:\\Program Files\\A, B [x]\\P.EXE||||||C:\\Dir)"},
        {"[Reload()][DeleteItem(\"  spaced  \")]", "Reload()DeleteItem(  spaced  )"},
        {"[AddItem(x,)]", "AddItem(x|)"},
        {"", ""},
        {" \r\n ", ""},
    };
    for (const GoodText& good : cases) {
        std::vector<DdeCommand> commands;
        std::string problem;
        ASSERT_TRUE(ParseDdeCommands(good.Text, commands, problem)) << good.Text << ": " << problem;
        EXPECT_EQ(Describe(commands), good.Commands) << good.Text;
    }
}

struct BadText {
    const char* Text;
    const char* Fragment;
};

TEST(DdeCommands, RefusesMalformedCommands) {
    const BadText cases[] = {
        {"[CreateGroup(\"Kestrix)]", "unterminated quote"},
        {"[CreateGroup(\"Kestrix\"]", "expected , or )"},
        {"[CreateGroup(Kestrix]", "unexpected ]"},
        {"[CreateGroup(Kestrix)", "expected ]"},
        {"CreateGroup(Kestrix)", "expected ["},
        {"[(Kestrix)]", "command name"},
        {"[1Group()]", "command name"},
        {"[]", "command name"},
        {"[CreateGroup(Kes\"trix\")]", "unexpected \""},
        {"[CreateGroup(\"a\" \"b\")]", "expected , or )"},
        {"[CreateGroup(a(b))]", "unexpected ("},
        {"[CreateGroup(a)] junk", "expected ["},
        {"[CreateGroup(a) x]", "expected ]"},
        {"[", "command name"},
        {"[CreateGroup(", "expected , or )"},
    };
    for (const BadText& bad : cases) {
        std::vector<DdeCommand> commands;
        std::string problem;
        EXPECT_FALSE(ParseDdeCommands(bad.Text, commands, problem)) << bad.Text;
        EXPECT_NE(problem.find(bad.Fragment), std::string::npos) << bad.Text << " -> " << problem;
    }
}

TEST(DdeCommands, HandsOutTheCommandsBeforeAMalformedOne) {
    DdeCommandReader reader("[CreateGroup(A)] [AddItem(x)] [ShowGroup(\"A,8)]");
    DdeCommand command;
    std::string problem;
    ASSERT_EQ(reader.Next(command, problem), DdeCommandReader::Status::Command);
    EXPECT_EQ(command.Name, "CreateGroup");
    ASSERT_EQ(reader.Next(command, problem), DdeCommandReader::Status::Command);
    EXPECT_EQ(command.Name, "AddItem");
    EXPECT_EQ(command.Offset, 17u);
    EXPECT_EQ(reader.Next(command, problem), DdeCommandReader::Status::Malformed);
    EXPECT_EQ(reader.Next(command, problem), DdeCommandReader::Status::End);
}

} // namespace
