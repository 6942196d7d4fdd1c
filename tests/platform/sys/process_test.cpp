#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/process.h"
#include "platform/sys/registry.h"
#include "sys_fixture.h"

#include <csignal>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

using Args = std::vector<std::string>;

// A program of the prefix: a script that writes its arguments, one per line, and some of its
// environment into a file beside it, then ends with the given code.
fs::path WriteTool(const fs::path& host, int exitCode, const std::string& tag = "") {
    TempPrefix::Write(
        host,
        "#!/bin/sh\n"
        "out=\"$(dirname \"$0\")/ran.txt\"\n"
        "echo \"" +
            tag +
            "\" > \"$out\"\n"
            "for a in \"$@\"; do echo \"$a\" >> \"$out\"; done\n"
            "echo \"prefix=$KESTRIX_PREFIX show=$KESTRIX_SHOW_WINDOW cwd=$(pwd)\" >> \"$out\"\n"
            "exit " +
            std::to_string(exitCode) + "\n");
    fs::permissions(host, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    return host;
}

std::vector<std::string> Lines(const fs::path& file) {
    std::vector<std::string> lines;
    std::string text = TempPrefix::Read(file);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

uint32_t RunAndWait(const std::string& commandLine) {
    const auto process = sys::CreateProcess(commandLine, 6);
    return process ? sys::WaitForProcess(*process) : 0xDEAD;
}

} // namespace

TEST(SplitCommandLine, WindowsRules) {
    const struct {
        const char* line;
        Args expected;
    } cases[] = {
        {"C:\\Kesvard\\HHUPD.EXE /Q", {"C:\\Kesvard\\HHUPD.EXE", "/Q"}},
        {"regedit /s \"C:\\Program Files\\BDE\\bde.reg\"",
         {"regedit", "/s", "C:\\Program Files\\BDE\\bde.reg"}},
        {"\"C:\\My Programs\\x.exe\"  a\tb ", {"C:\\My Programs\\x.exe", "a", "b"}},
        {"p \"a b\"c d", {"p", "a bc", "d"}},
        {"p a\\\\b \\\\\\\"q\\\\\"", {"p", "a\\\\b", "\\\"q\\"}},
        {"p \"\" \"x\"\"y\"", {"p", "", "x\"y"}},
        {"p \"C:\\dir\\\\\"", {"p", "C:\\dir\\"}},
        {"C:\\path\\\"x a", {"C:\\path\\\"x", "a"}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sys::SplitCommandLine(c.line), c.expected) << c.line;
}

TEST_F(PrefixTest, ProgramRunsWithItsArgumentsAndExitCode) {
    WriteTool(prefix.C("Kesvard/TREGSVR.EXE"), 3);
    fs::create_directories(prefix.C("Work"));
    sys::ChDir("C:\\Work");
    EXPECT_EQ(RunAndWait("c:\\kesvard\\tregsvr.exe -Q C:\\Kesvard\\CFX32.OCX \"two words\""), 3u);
    EXPECT_EQ(
        Lines(prefix.C("Kesvard/ran.txt")),
        (Args{"", "-Q", "C:\\Kesvard\\CFX32.OCX", "two words",
              "prefix=" + prefix.Root.string() + " show=6 cwd=" + prefix.C("Work").string()}));
}

TEST_F(PrefixTest, UnquotedProgramWithBlanksIsFoundLikeWindowsDoes) {
    WriteTool(prefix.C("My Programs/HHUPD.EXE"), 0);
    fs::create_directories(prefix.C("My")); // a folder, not a program: the search goes on
    EXPECT_EQ(RunAndWait("C:\\My Programs\\HHUPD.EXE /Q"), 0u);
    EXPECT_EQ(Lines(prefix.C("My Programs/ran.txt"))[1], "/Q");
    EXPECT_EQ(RunAndWait("C:\\My Programs\\HHUPD /Q"), 0u); // ".EXE" appended
}

TEST_F(PrefixTest, BareNamesFollowTheSearchOrder) {
    WriteTool(prefix.C("Windows/TOOL.EXE"), 0, "windows");
    WriteTool(prefix.C("Windows/Temp/TOOL.EXE"), 0, "current");
    sys::ChDir("C:\\Windows\\Temp");
    ASSERT_EQ(RunAndWait("tool"), 0u);
    EXPECT_EQ(Lines(prefix.C("Windows/Temp/ran.txt"))[0], "current");
    sys::ChDir("C:\\");
    ASSERT_EQ(RunAndWait("TOOL.EXE"), 0u);
    EXPECT_EQ(Lines(prefix.C("Windows/ran.txt"))[0], "windows");
    // Not in the prefix: the host's PATH.
    EXPECT_EQ(RunAndWait("sh -c \"exit 5\""), 5u);
    EXPECT_EQ(sys::FindProgram("tool"), prefix.C("Windows/TOOL.EXE").string());
    EXPECT_FALSE(sys::FindProgram("C:\\Windows")); // a folder is no program
}

TEST_F(PrefixTest, ProgramsThatCannotRunFailToStart) {
    TempPrefix::Write(prefix.C("Kesvard/TALVEN.EXE"), "not a program at all\n");
    fs::permissions(prefix.C("Kesvard/TALVEN.EXE"), fs::perms::owner_all);
    WriteTool(prefix.C("Kesvard/NOEXEC.EXE"), 0);
    fs::permissions(prefix.C("Kesvard/NOEXEC.EXE"), fs::perms::owner_read | fs::perms::owner_write);
    for (const char* line : {"C:\\Kesvard\\TALVEN.EXE", "C:\\Kesvard\\NOEXEC.EXE /Q",
                             "C:\\Kesvard\\MISSING.EXE", "\"C:\\Kesvard\\MISSING.EXE\" x",
                             "nosuchprogram-kx", "Q:\\TOOL.EXE", "", "C:\\Kesvard"}) {
        EXPECT_FALSE(sys::CreateProcess(line, 6)) << line;
    }
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/ran.txt")));
}

TEST_F(PrefixTest, SignalDeathAndDetachedChildren) {
    EXPECT_EQ(RunAndWait("sh -c \"kill -9 $$\""), 0xC0000000u + SIGKILL);
    const auto process = sys::CreateProcess("sh -c \"exit 0\"", 5);
    ASSERT_TRUE(process);
    sys::CloseProcess(*process);
    // The child is collected without a wait of ours: no zombie stays behind.
    const fs::path entry = "/proc/" + std::to_string(process->Pid);
    for (int i = 0; i < 1000 && fs::exists(entry); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(fs::exists(entry));
}

TEST_F(PrefixTest, RegeditOnACommandLineIsThePrefixStandIn) {
    const fs::path installed = prefix.C("Windows/regedit");
    if (!fs::exists(installed))
        fs::copy_file(kxtest::BuiltRegedit(), installed);
    TempPrefix::Write(
        prefix.C("Program Files/Borland/Common Files/BDE/bde.reg"),
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Borland\\BLW32]\r\n"
        "\"BLAPIPATH\"=\"C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE\"\r\n");
    EXPECT_EQ(RunAndWait("regedit /s \"C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg\""),
              0u);
    sys::TRegistry reg;
    reg.RootKey = sys::HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Borland\\BLW32"));
    EXPECT_EQ(reg.ReadString("BLAPIPATH"), "C:\\Program Files\\Borland\\Common Files\\BDE");
    EXPECT_NE(RunAndWait("regedit /s C:\\missing.reg"), 0u);
}
