#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "sys_fixture.h"

#include <sys/stat.h>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

TEST_F(PrefixTest, FoldersAreMadeOneLevelOrWithParents) {
    EXPECT_FALSE(sys::CreateDir("C:\\Kesvard\\Data")); // the parent is missing
    EXPECT_TRUE(sys::CreateDir("C:\\Kesvard"));
    EXPECT_FALSE(sys::CreateDir("C:\\KESVARD")); // exists, under another spelling
    EXPECT_TRUE(sys::CreateDir("C:\\kesvard\\Data"));
    EXPECT_TRUE(fs::is_directory(prefix.C("Kesvard/Data")));
    EXPECT_TRUE(sys::ForceDirectories("C:\\KESVARD\\NEW\\FIRMA\\x"));
    EXPECT_TRUE(fs::is_directory(prefix.C("Kesvard/NEW/FIRMA/x")));
    EXPECT_TRUE(sys::ForceDirectories("C:\\Kesvard\\NEW")); // already there
    TempPrefix::Write(prefix.C("file"), "x");
    EXPECT_FALSE(sys::ForceDirectories("C:\\file\\sub"));
    EXPECT_FALSE(sys::ForceDirectories("Q:\\x"));
    EXPECT_TRUE(sys::DirectoryExists("C:\\kesvard\\new"));
    EXPECT_FALSE(sys::FileExists("C:\\kesvard\\new"));
    EXPECT_FALSE(sys::RemoveDir("C:\\Kesvard\\NEW")); // not empty
    EXPECT_TRUE(sys::RemoveDir("C:\\Kesvard\\NEW\\FIRMA\\X"));
    EXPECT_FALSE(sys::DirectoryExists("C:\\Kesvard\\NEW\\FIRMA\\X"));
}

TEST_F(PrefixTest, ReadOnlyFilesResistDeletionAndOverwriting) {
    TempPrefix::Write(prefix.C("k/LOGO.BMP"), "picture");
    TempPrefix::Write(prefix.C("k/other.txt"), "new");
    ASSERT_TRUE(sys::SetFileAttributes("C:\\k\\logo.bmp", sys::faReadOnly));
    EXPECT_EQ(sys::GetFileAttributes("C:\\k\\logo.bmp"), sys::faReadOnly | sys::faArchive);
    EXPECT_FALSE(sys::DeleteFile("C:\\k\\LOGO.BMP"));
    EXPECT_FALSE(sys::CopyFile("C:\\k\\other.txt", "C:\\k\\LOGO.BMP", false));
    EXPECT_EQ(TempPrefix::Read(prefix.C("k/LOGO.BMP")), "picture");
    ASSERT_TRUE(sys::SetFileAttributes("C:\\k\\logo.bmp", sys::faNormal));
    EXPECT_EQ(sys::GetFileAttributes("C:\\k\\logo.bmp"), sys::faArchive);
    EXPECT_TRUE(sys::DeleteFile("C:\\k\\LOGO.BMP"));
    EXPECT_FALSE(fs::exists(prefix.C("k/LOGO.BMP")));
    EXPECT_FALSE(sys::DeleteFile("C:\\k\\LOGO.BMP"));
    EXPECT_FALSE(sys::DeleteFile("C:\\k")); // a folder is no file
    EXPECT_EQ(sys::GetFileAttributes("C:\\k"), sys::faDirectory);
    EXPECT_EQ(sys::GetFileAttributes("C:\\k\\missing"), sys::INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(sys::SetFileAttributes("C:\\k\\missing", sys::faNormal));
}

TEST_F(PrefixTest, CopyOverwritesOnlyWhenAllowedAndKeepsTheTimestamp) {
    TempPrefix::Write(prefix.C("media/INSTALL.EXE"), "program");
    TempPrefix::Write(prefix.C("work/INSTTALV.EXE"), "old");
    const auto when = fs::last_write_time(prefix.C("media/INSTALL.EXE")) - std::chrono::hours(5);
    fs::last_write_time(prefix.C("media/INSTALL.EXE"), when);
    EXPECT_FALSE(sys::CopyFile("C:\\media\\install.exe", "C:\\work\\insttalv.exe", true));
    EXPECT_EQ(TempPrefix::Read(prefix.C("work/INSTTALV.EXE")), "old");
    EXPECT_TRUE(sys::CopyFile("C:\\media\\install.exe", "C:\\work\\insttalv.exe", false));
    EXPECT_EQ(TempPrefix::Read(prefix.C("work/INSTTALV.EXE")), "program");
    EXPECT_EQ(fs::last_write_time(prefix.C("work/INSTTALV.EXE")), when);
    EXPECT_TRUE(sys::CopyFile("C:\\media\\INSTALL.EXE", "C:\\work\\NEW.EXE", true));
    EXPECT_EQ(sys::FileSize("C:\\work\\new.exe"), 7);
    EXPECT_FALSE(sys::CopyFile("C:\\media\\UPGRADE.1", "C:\\work\\UPGRADE.ZIP", false));
    EXPECT_FALSE(sys::CopyFile("C:\\media\\INSTALL.EXE", "C:\\nofolder\\x", false));
    EXPECT_FALSE(sys::CopyFile("C:\\media", "C:\\work\\dir", false));
    EXPECT_FALSE(sys::CopyFile("C:\\work\\NEW.EXE", "C:\\WORK\\new.exe", false));
    EXPECT_EQ(TempPrefix::Read(prefix.C("work/NEW.EXE")), "program");
    // Nothing but the two copies is left in the folder (no temporary files).
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix.C("work")), {}), 2);
}

TEST_F(PrefixTest, RenameNeverReplacesAndMayChangeCase) {
    TempPrefix::Write(prefix.C("a.txt"), "a");
    TempPrefix::Write(prefix.C("b.txt"), "b");
    EXPECT_FALSE(sys::RenameFile("C:\\a.txt", "C:\\B.TXT"));
    EXPECT_EQ(TempPrefix::Read(prefix.C("b.txt")), "b");
    EXPECT_TRUE(sys::RenameFile("C:\\A.TXT", "C:\\c.txt"));
    EXPECT_EQ(TempPrefix::Read(prefix.C("c.txt")), "a");
    EXPECT_TRUE(sys::RenameFile("C:\\c.txt", "C:\\C.TXT"));
    EXPECT_TRUE(fs::exists(prefix.C("C.TXT")));
    EXPECT_FALSE(fs::exists(prefix.C("c.txt")));
    EXPECT_FALSE(sys::RenameFile("C:\\missing", "C:\\x"));
}

TEST_F(PrefixTest, SizesOfFilesOnly) {
    TempPrefix::Write(prefix.C("TALVEN.EXE"), std::string(6000001, 'x'));
    EXPECT_EQ(sys::FileSize("C:\\talven.exe"), 6000001);
    EXPECT_EQ(sys::FileSize("C:\\missing.exe"), -1);
    EXPECT_EQ(sys::FileSize("C:\\Windows"), -1);
}

TEST(PathNames, SplitWindowsPaths) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
        const char* ext;
    } cases[] = {
        {"C:\\Kesvard\\TALVEN.EXE", "C:\\Kesvard\\", "TALVEN.EXE", ".EXE"},
        {"C:\\Kes.vard\\TALVEN", "C:\\Kes.vard\\", "TALVEN", ""},
        {"C:TALVEN.EXE", "C:", "TALVEN.EXE", ".EXE"},
        {"a/b.tar.gz", "a/", "b.tar.gz", ".gz"},
        {"EXE.1", "", "EXE.1", ".1"},
        {"C:\\", "C:\\", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sys::ExtractFilePath(c.path), c.folder) << c.path;
        EXPECT_EQ(sys::ExtractFileName(c.path), c.name) << c.path;
        EXPECT_EQ(sys::ExtractFileExt(c.path), c.ext) << c.path;
    }
    EXPECT_EQ(sys::IncludeTrailingPathDelimiter("C:\\Kesvard"), "C:\\Kesvard\\");
    EXPECT_EQ(sys::IncludeTrailingPathDelimiter("C:\\Kesvard\\"), "C:\\Kesvard\\");
    EXPECT_EQ(sys::IncludeTrailingPathDelimiter("C:/Kesvard/"), "C:/Kesvard/");
    EXPECT_EQ(sys::ExcludeTrailingPathDelimiter("C:\\Kesvard\\"), "C:\\Kesvard");
    EXPECT_EQ(sys::ExcludeTrailingPathDelimiter("C:\\Kesvard"), "C:\\Kesvard");
}
