#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "sys_fixture.h"

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

TEST_F(PrefixTest, CurrentFolderIsAWindowsPathThatRelativeNamesUse) {
    fs::create_directories(prefix.C("Kesvard/Data"));
    sys::ChDir("c:\\KESVARD");
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\KESVARD");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), prefix.C("Kesvard")));
    TempPrefix::Write(prefix.C("Kesvard/EXE.ZIP"), "zip");
    EXPECT_TRUE(sys::FileExists("exe.zip"));
    EXPECT_TRUE(sys::DirectoryExists("Data"));
    EXPECT_TRUE(sys::SetCurrentDir("Data"));
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\KESVARD\\Data");
    EXPECT_TRUE(sys::FileExists("..\\EXE.ZIP"));
    EXPECT_TRUE(sys::SetCurrentDir("\\"));
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\");
}

TEST_F(PrefixTest, ChangingToAMissingFolderRaisesAndKeepsTheOldOne) {
    sys::ChDir("C:\\Windows");
    try {
        sys::ChDir("C:\\Kesvard");
        FAIL() << "a missing folder became current";
    } catch (const sys::EInOutError& error) {
        EXPECT_EQ(error.Path, "C:\\Kesvard");
    }
    EXPECT_FALSE(sys::SetCurrentDir("C:\\Windows\\win.ini"));
    EXPECT_FALSE(sys::SetCurrentDir("Q:\\"));
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\Windows");
}

TEST_F(PrefixTest, CurrentFolderStartsFromTheHostOne) {
    fs::create_directories(prefix.C("start"));
    fs::current_path(prefix.C("start"));
    sys::ResetPrefixCache();
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\start");
}

TEST_F(PrefixTest, SpecialFolders) {
    EXPECT_EQ(sys::GetTempPath(), "C:\\Windows\\Temp\\");
    EXPECT_TRUE(sys::DirectoryExists(sys::GetTempPath()));
    EXPECT_EQ(sys::GetWindowsDirectory(), "C:\\Windows");
    const std::string folder = sys::ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(fs::equivalent(sys::HostPath(sys::ExeName()), "/proc/self/exe"));
    EXPECT_EQ(sys::ExtractFilePath(sys::ExeName()), folder);
}

TEST(Guid, ThirtyTwoUpperCaseHexDigitsEachTimeNew) {
    const std::string first = sys::NewGuidHex();
    const std::string second = sys::NewGuidHex();
    EXPECT_NE(first, second);
    for (const auto& guid : {first, second}) {
        ASSERT_EQ(guid.size(), 32u);
        EXPECT_EQ(guid.find_first_not_of("0123456789ABCDEF"), std::string::npos) << guid;
    }
}
