#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/ini.h"
#include "sys_fixture.h"

using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

const std::vector<std::string> ConfigLines = {
    "; installer configuration",
    "Orphan=1",
    "[ General ]",
    "  NrDiscuri =  3  ",
    "Hex=$1F",
    "CHex=0x10",
    "Neg=-4",
    "Bad=3 disks",
    "Big=99999999999",
    "Empty=",
    "Path=C:\\Kesvard=x",
    "no equals sign here",
    "[other]",
    "NrDiscuri=9",
    "[general]",
    "Late=1",
};

} // namespace

TEST(MemIniFile, ReadsWithTheProfileRules) {
    sys::TMemIniFile ini;
    ini.SetStrings(ConfigLines);
    const struct {
        const char* section;
        const char* key;
        int expected;
    } integers[] = {
        {"General", "NrDiscuri", 3}, {"GENERAL", "nrdiscuri", 3}, {"general", "Hex", 31},
        {"General", "CHex", 16},     {"General", "Neg", -4},      {"General", "Bad", 6},
        {"General", "Big", 6},       {"General", "Empty", 6},     {"General", "Missing", 6},
        {"Missing", "NrDiscuri", 6}, {"other", "NrDiscuri", 9},   {"General", "Late", 6},
        {"", "Orphan", 6},
    };
    for (const auto& c : integers)
        EXPECT_EQ(ini.ReadInteger(c.section, c.key, 6), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ini.ReadString("General", "Path", ""), "C:\\Kesvard=x");
    EXPECT_EQ(ini.ReadString("General", "Empty", "def"), "");
    EXPECT_EQ(ini.ReadString("General", "none", "def"), "def");
    EXPECT_TRUE(ini.SectionExists("OTHER"));
    EXPECT_TRUE(ini.ValueExists("general", "EMPTY"));
    EXPECT_FALSE(ini.ValueExists("general", "no equals sign here"));
    EXPECT_EQ(ini.ReadSection("General"),
              (std::vector<std::string>{"NrDiscuri", "Hex", "CHex", "Neg", "Bad", "Big", "Empty",
                                        "Path"}));
}

TEST(MemIniFile, WritesIntoTheFirstSectionOfTheName) {
    sys::TMemIniFile ini;
    ini.SetStrings({"[A]", "x=1"});
    ini.WriteString("a", "X", "2");
    ini.WriteString("A", "y", "3");
    ini.WriteString("B", "z", "4");
    EXPECT_EQ(ini.GetStrings(), (std::vector<std::string>{"[A]", "x=2", "y=3", "", "[B]", "z=4"}));
    sys::TMemIniFile copy;
    copy.SetStrings(ini.GetStrings());
    EXPECT_EQ(copy.ReadInteger("b", "Z", 0), 4);
}

TEST_F(PrefixTest, PrivateProfileReadsFilesOnWindowsPaths) {
    TempPrefix::Write(prefix.C("Work/INSTTALV.CFG"), "[General]\r\nNrDiscuri=3\r\n");
    EXPECT_EQ(sys::GetPrivateProfileInt("General", "NrDiscuri", 6, "C:\\work\\insttalv.cfg"), 3u);
    EXPECT_EQ(sys::GetPrivateProfileInt("General", "NrDiscuri", 6, "C:\\work\\missing.cfg"), 6u);
    EXPECT_EQ(sys::GetPrivateProfileInt("General", "NrDiscuri", 6, "Q:\\insttalv.cfg"), 6u);
    EXPECT_EQ(sys::GetPrivateProfileInt("General", "NrDiscuri", 6, "C:\\Work"), 6u);
    sys::TIniFile ini("C:\\Work\\INSTTALV.CFG");
    EXPECT_EQ(ini.ReadInteger("general", "nrdiscuri", 0), 3);
}

TEST_F(PrefixTest, ProfileStringsAreCutToTheCallersBuffer) {
    const std::string longPath = "C:\\Program Files\\Kestrix\\Talven\\"; // 33 characters
    TempPrefix::Write(prefix.C("Windows/win.ini"),
                      "[Talven]\nAppPath=" + longPath + "\nDatabasePath=\"C:\\Kesvard\\DATA\"\n");
    EXPECT_EQ(sys::GetProfileString("Talven", "AppPath", "", 33), longPath.substr(0, 32));
    EXPECT_EQ(sys::GetProfileString("talven", "apppath", "", 256), longPath);
    EXPECT_EQ(sys::GetProfileString("Talven", "DatabasePath", "", 256), "C:\\Kesvard\\DATA");
    EXPECT_EQ(sys::GetProfileString("Talven", "Missing", "default", 4), "def");
    EXPECT_EQ(sys::GetProfileString("Talven", "AppPath", "", 0), "");
    EXPECT_EQ(sys::GetPrivateProfileString("Talven", "AppPath", "", 8, "win.ini"), "C:\\Prog");
}

TEST_F(PrefixTest, WritingKeepsTheFilesOtherLines) {
    TempPrefix::Write(prefix.C("Windows/win.ini"),
                      "; user settings\n[windows]\nload=\n\n[Talven]\nAppPath=C:\\Old\\\n");
    ASSERT_TRUE(sys::WriteProfileString("TALVEN", "apppath", "C:\\Kesvard\\"));
    ASSERT_TRUE(sys::WriteProfileString("Talven", "DatabasePath", "C:\\Kesvard\\DATA"));
    ASSERT_TRUE(sys::WriteProfileString("New", "Key", "1"));
    EXPECT_EQ(TempPrefix::Read(prefix.C("Windows/win.ini")),
              "; user settings\r\n[windows]\r\nload=\r\n\r\n[Talven]\r\napppath=C:\\Kesvard\\\r\n"
              "DatabasePath=C:\\Kesvard\\DATA\r\n[New]\r\nKey=1\r\n");
    EXPECT_EQ(sys::GetProfileString("Talven", "AppPath", "", 33), "C:\\Kesvard\\");
}

TEST_F(PrefixTest, IniFileThatCannotBeSavedRaisesAndKeepsItsContent) {
    TempPrefix::Write(prefix.C("ro.ini"), "[A]\nx=1\n");
    sys::SetFileAttributes("C:\\ro.ini", sys::faReadOnly);
    sys::TIniFile readOnly("C:\\ro.ini");
    EXPECT_THROW(readOnly.WriteString("A", "x", "2"), sys::EInOutError);
    EXPECT_EQ(TempPrefix::Read(prefix.C("ro.ini")), "[A]\nx=1\n");
    sys::TIniFile nowhere("C:\\missing\\x.ini");
    try {
        nowhere.WriteString("A", "x", "1");
        FAIL() << "saved into a missing folder";
    } catch (const sys::EInOutError& error) {
        EXPECT_EQ(error.Path, "C:\\missing\\x.ini");
    }
}
