// The regedit stand-in as a program: run through the shell, as the installer's process launcher
// and a user would run it.
#include "platform/sys/prefix.h"
#include "platform/sys/reg_file.h"
#include "platform/sys/registry.h"
#include "platform/sys/utf16.h"
#include "sys_fixture.h"

#include <cstdlib>
#include <sys/wait.h>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

fs::path Regedit() {
    return kxtest::BuiltRegedit();
}

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string Value(const sys::RegistryHive& hive, const std::string& key, const std::string& name) {
    const auto* found = hive.Find(key);
    if (!found || !found->Values.count(name))
        return "<missing>";
    const auto& data = found->Values.at(name).Data;
    return {data.begin(), data.end()};
}

const char* const EngineFile =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\Database Engine]\r\n"
    "\"DLLPATH\"=\"C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE\"\r\n"
    "\"Level\"=dword:00000004\r\n"
    "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\BLW32]\r\n"
    "\"BLAPIPATH\"=\"C:\\\\BDE\"\r\n";

} // namespace

TEST(RegeditTool, ImportsIntoANewPrefixInEitherFormatAndExportsAgain) {
    char pattern[] = "/tmp/kx-regedit-XXXXXX";
    const fs::path base = mkdtemp(pattern);
    const fs::path root = base / "new prefix";
    const std::string env = "KESTRIX_PREFIX=" + Quoted(root.string()) + " ";
    TempPrefix::Write(base / "five.reg", "\xFF\xFE" + sys::Utf8ToUtf16Le(EngineFile));
    TempPrefix::Write(base / "four.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\"
                                         "Database Engine]\n\"UseCount\"=\"1\"\n\"Level\"=-\n"
                                         "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\BLW32]\n");
    ASSERT_EQ(Shell(env + Quoted(Regedit()) + " /s " + Quoted((base / "five.reg").string())), 0);
    EXPECT_TRUE(fs::is_regular_file(root / "drive_c/Windows/regedit"));
    // The prefix's own copy, with the Windows path the installer would pass.
    fs::create_directories(root / "drive_c/Program Files/Borland/Common Files/BDE");
    fs::copy_file(base / "four.reg",
                  root / "drive_c/Program Files/Borland/Common Files/BDE/bde.reg");
    ASSERT_EQ(Shell(env + Quoted((root / "drive_c/Windows/regedit").string()) +
                    " /S \"C:\\PROGRAM FILES\\Borland\\Common Files\\BDE\\BDE.REG\""),
              0);

    const char* saved = std::getenv("KESTRIX_PREFIX");
    const std::string previous = saved ? saved : "";
    setenv("KESTRIX_PREFIX", root.c_str(), 1);
    sys::ResetPrefixCache();
    sys::TRegistry reg;
    reg.RootKey = sys::HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Borland\\Database Engine"));
    EXPECT_EQ(reg.ReadString("DLLPATH"), "C:\\Program Files\\Borland\\Common Files\\BDE");
    EXPECT_EQ(reg.ReadString("UseCount"), "1");
    EXPECT_EQ(reg.ReadString("Path"), "%A%");
    EXPECT_FALSE(reg.ValueExists("Level"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Borland\\BLW32"));
    const auto hive = sys::LoadHive();

    ASSERT_EQ(Shell(env + Quoted(Regedit()) + " /e " + Quoted((base / "out.reg").string()) +
                    " 'HKEY_LOCAL_MACHINE\\Software\\Borland'"),
              0);
    sys::RegistryHive exported;
    sys::ApplyRegFile(sys::ParseRegFile(TempPrefix::Read(base / "out.reg"), "out.reg"), exported);
    for (const char* name : {"dllpath", "usecount", "path", "list"})
        EXPECT_EQ(Value(exported, "SOFTWARE\\Borland\\Database Engine", name),
                  Value(hive, "SOFTWARE\\Borland\\Database Engine", name))
            << name;
    EXPECT_EQ(exported.Find("SOFTWARE\\Microsoft"), nullptr); // only the key asked for

    setenv("KESTRIX_PREFIX", previous.c_str(), 1);
    sys::ResetPrefixCache();
    fs::remove_all(base);
}

TEST_F(PrefixTest, RegeditFailuresExitNonZeroAndNameTheFile) {
    fs::create_directories(prefix.Root / "folder.reg");
    TempPrefix::Write(prefix.Root / "bad.reg",
                      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"x\"=\"1\"\n\"y\"=dword:zz\n");
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"/s " + (prefix.Root / "missing.reg").string(), "missing.reg"},
        {"/s " + (prefix.Root / "folder.reg").string(), "folder.reg"},
        {"/s " + (prefix.Root / "bad.reg").string(), "bad.reg:4:"},
        {"/s 'Q:\\nowhere.reg'", "Q:\\nowhere.reg"},
        {"/e " + (prefix.Root / "x.reg").string() + " HKEY_LOCAL_MACHINE\\NoSuchKey", "NoSuchKey"},
        {"/s", "usage"},
    };
    const std::string before = TempPrefix::Read(prefix.Root / "system.reg");
    for (const auto& c : cases) {
        const fs::path err = prefix.Root / "stderr.txt";
        EXPECT_NE(Shell(Quoted(Regedit()) + " " + c.args + " 2>" + Quoted(err.string())), 0)
            << c.args;
        EXPECT_NE(TempPrefix::Read(err).find(c.message), std::string::npos)
            << c.args << ": " << TempPrefix::Read(err);
    }
    EXPECT_EQ(TempPrefix::Read(prefix.Root / "system.reg"), before);
    EXPECT_FALSE(fs::exists(prefix.Root / "x.reg"));
}

TEST_F(PrefixTest, ConcurrentImportsLoseNothing) {
    constexpr int Processes = 8;
    constexpr int ValuesEach = 25;
    std::string script;
    for (int p = 0; p < Processes; ++p) {
        std::string text = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared]\n";
        for (int v = 0; v < ValuesEach; ++v)
            text += "\"p" + std::to_string(p) + "v" + std::to_string(v) + "\"=\"" +
                    std::to_string(p * 1000 + v) + "\"\n";
        text += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Own" + std::to_string(p) + "]\n\"done\"=\"yes\"\n";
        const auto file =
            TempPrefix::Write(prefix.Root / ("import" + std::to_string(p) + ".reg"), text);
        script += "(" + Quoted(Regedit()) + " /s " + Quoted(file.string()) + " || echo failed" +
                  std::to_string(p) + " >> " + Quoted((prefix.Root / "failures").string()) + ") & ";
    }
    ASSERT_EQ(Shell(script + "wait"), 0);
    EXPECT_FALSE(fs::exists(prefix.Root / "failures"));
    const auto hive = sys::LoadHive();
    for (int p = 0; p < Processes; ++p) {
        EXPECT_EQ(Value(hive, "SOFTWARE\\Own" + std::to_string(p), "done"), "yes");
        for (int v = 0; v < ValuesEach; ++v)
            EXPECT_EQ(
                Value(hive, "SOFTWARE\\Shared", "p" + std::to_string(p) + "v" + std::to_string(v)),
                std::to_string(p * 1000 + v));
    }
    EXPECT_EQ(Value(hive, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "programfilesdir"),
              "C:\\Program Files");
}
