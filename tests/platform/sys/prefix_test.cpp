#include "platform/sys/errors.h"
#include "platform/sys/prefix.h"
#include "platform/sys/registry.h"
#include "sys_fixture.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

// Points KESTRIX_PREFIX at a folder that does not exist yet; restores the variable afterwards.
class FreshLocation : public ::testing::Test {
protected:
    FreshLocation() {
        char pattern[] = "/tmp/kx-location-XXXXXX";
        base = mkdtemp(pattern);
        if (const char* old = std::getenv("KESTRIX_PREFIX"))
            previous = old;
    }
    ~FreshLocation() override {
        if (previous.empty())
            unsetenv("KESTRIX_PREFIX");
        else
            setenv("KESTRIX_PREFIX", previous.c_str(), 1);
        sys::ResetPrefixCache();
        fs::remove_all(base);
    }
    void Use(const fs::path& location) {
        setenv("KESTRIX_PREFIX", location.c_str(), 1);
        sys::ResetPrefixCache();
    }
    fs::path base;
    std::string previous;
};

} // namespace

TEST_F(FreshLocation, MissingPrefixIsCreatedWithItsDefaults) {
    const fs::path root = base / "deep" / "prefix";
    Use(root);
    EXPECT_EQ(sys::PrefixRoot(), root);
    EXPECT_TRUE(fs::is_directory(root / "drive_c/Windows/Temp"));
    EXPECT_TRUE(fs::is_directory(root / "drive_c/Program Files"));
    EXPECT_TRUE(fs::is_regular_file(root / "drive_c/Windows/win.ini"));
    EXPECT_EQ(fs::file_size(root / "drive_c/Windows/win.ini"), 0u);
    const auto drives = sys::Drives();
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].Root, "C:");
    EXPECT_EQ(drives[0].Host, root / "drive_c");
    EXPECT_EQ(drives[1].Root, "Z:");
    EXPECT_EQ(drives[1].Host, fs::path("/"));
    const auto hive = sys::LoadHive();
    const auto* key = hive.Find("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    ASSERT_NE(key, nullptr);
    const auto& data = key->Values.at("programfilesdir").Data;
    EXPECT_EQ(std::string(data.begin(), data.end()), "C:\\Program Files");
}

TEST_F(FreshLocation, DefaultLocationIsUnderHome) {
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    unsetenv("KESTRIX_PREFIX");
    setenv("HOME", base.c_str(), 1);
    sys::ResetPrefixCache();
    EXPECT_EQ(sys::PrefixRoot(), base / ".local/share/kestrix/prefix");
    EXPECT_TRUE(fs::is_regular_file(base / ".local/share/kestrix/prefix/drives.ini"));
    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(FreshLocation, PrefixThatCannotBeCreatedNamesItsPath) {
    std::ofstream(base / "file") << "x";
    Use(base / "file" / "prefix");
    try {
        sys::EnsurePrefix();
        FAIL() << "a prefix below a file was accepted";
    } catch (const sys::EInOutError& error) {
        EXPECT_NE(std::string(error.what()).find((base / "file").string()), std::string::npos);
    }
}

TEST_F(FreshLocation, ExistingPrefixKeepsItsFiles) {
    const fs::path root = base / "p";
    TempPrefix::Write(root / "drives.ini", "[Drives]\nC=c_here,fixed\n");
    TempPrefix::Write(root / "c_here/Windows/win.ini", "[Talven]\nAppPath=X\n");
    Use(root);
    sys::EnsurePrefix();
    EXPECT_EQ(TempPrefix::Read(root / "drives.ini"), "[Drives]\nC=c_here,fixed\n");
    EXPECT_EQ(TempPrefix::Read(root / "c_here/Windows/win.ini"), "[Talven]\nAppPath=X\n");
    EXPECT_TRUE(fs::is_directory(root / "c_here/Program Files"));
}

TEST_F(FreshLocation, CorruptDrivesIniNamesFileAndLineAndIsKept) {
    const struct {
        const char* text;
        int line;
    } cases[] = {
        {"[Drives]\nC=drive_c,fixed\nthis is no entry\n", 3},
        {"[Drives]\nC=drive_c,floppy\n", 2},
        {"[Drives]\nC=drive_c\n", 2},
        {"; comment\n[Drives]\nCD=drive_c,fixed\n", 3},
        {"[Drives]\nC=,fixed\n", 2},
        {"[Drives]\nC=a,fixed\nc:=b,fixed\n", 3},
        {"[Drives]\n\\\\server=/x,remote\n", 2},
    };
    for (const auto& c : cases) {
        const fs::path root = base / ("p" + std::to_string(&c - cases));
        TempPrefix::Write(root / "drives.ini", c.text);
        Use(root);
        try {
            sys::Drives();
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const sys::EParseError& error) {
            EXPECT_EQ(error.File, (root / "drives.ini").string()) << c.text;
            EXPECT_EQ(error.Line, c.line) << c.text;
        }
        EXPECT_THROW(sys::MapDrive({"A:", "/tmp", sys::DriveType::Removable}), sys::EParseError);
        EXPECT_EQ(TempPrefix::Read(root / "drives.ini"), c.text);
    }
}

TEST_F(PrefixTest, DriveTypesAnswerForRootsAndShares) {
    const fs::path media = prefix.Root / "media";
    const fs::path share = prefix.Root / "share";
    fs::create_directories(media);
    fs::create_directories(share);
    sys::MapDrive({"a:", media, sys::DriveType::Removable});
    sys::MapDrive({"\\\\Server\\Data", share, sys::DriveType::Remote});
    sys::MapDrive({"D", "/nonexistent-cd", sys::DriveType::CdRom});
    const struct {
        const char* root;
        sys::DriveType type;
    } cases[] = {
        {"A:\\", sys::DriveType::Removable},
        {"a:", sys::DriveType::Removable},
        {"C:\\", sys::DriveType::Fixed},
        {"Z:\\", sys::DriveType::Fixed},
        {"D:\\", sys::DriveType::CdRom},
        {"\\\\server\\data\\", sys::DriveType::Remote},
        {"\\\\SERVER\\DATA", sys::DriveType::Remote},
        {"B:\\", sys::DriveType::NoRootDir},
        {"\\\\server\\other\\", sys::DriveType::NoRootDir},
        {"\\\\s", sys::DriveType::NoRootDir},
        {"C:\\Windows", sys::DriveType::NoRootDir},
        {"A", sys::DriveType::NoRootDir},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sys::GetDriveType(c.root), c.type) << c.root;
    // The mapping survives in drives.ini for other processes.
    sys::ResetPrefixCache();
    EXPECT_EQ(sys::GetDriveType("A:\\"), sys::DriveType::Removable);
    EXPECT_EQ(sys::ToHostPath("\\\\server\\data\\x"), share / "x");
}

TEST_F(PrefixTest, MapDriveReplacesAnExistingLetter) {
    sys::MapDrive({"E:", "/tmp", sys::DriveType::Fixed});
    sys::MapDrive({"e:", prefix.Root, sys::DriveType::Removable});
    int count = 0;
    for (const auto& drive : sys::Drives())
        if (drive.Root == "E:") {
            ++count;
            EXPECT_EQ(drive.Host, prefix.Root);
            EXPECT_EQ(drive.Type, sys::DriveType::Removable);
        }
    EXPECT_EQ(count, 1);
    const std::string before = TempPrefix::Read(prefix.Root / "drives.ini");
    EXPECT_THROW(sys::MapDrive({"F:", "/tmp\n[Drives]\nC=/,fixed", sys::DriveType::Fixed}),
                 sys::EInOutError);
    EXPECT_THROW(sys::MapDrive({"FF:", "/tmp", sys::DriveType::Fixed}), sys::EInOutError);
    EXPECT_EQ(TempPrefix::Read(prefix.Root / "drives.ini"), before);
}
