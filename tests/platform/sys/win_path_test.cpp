#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/win_path.h"
#include "sys_fixture.h"

#include <algorithm>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

TEST(ResolveWindowsPath, FollowsTheWindowsRules) {
    const struct {
        const char* path;
        const char* current;
        const char* expected; // nullptr: refused
    } cases[] = {
        {"C:\\a\\..\\..\\b", "C:\\", "C:\\b"},
        {"C:\\..\\..\\..", "C:\\", "C:\\"},
        {"c:/Kesvard/./Data/", "C:\\", "C:\\Kesvard\\Data"},
        {"C:\\a\\\\b", "C:\\", "C:\\a\\b"},
        {"sub\\file.txt", "D:\\Work", "D:\\Work\\sub\\file.txt"},
        {"..\\..\\..\\x", "D:\\Work", "D:\\x"},
        {"\\Windows", "D:\\Work", "D:\\Windows"},
        {"D:x", "D:\\Work", "D:\\Work\\x"},
        {"E:x", "D:\\Work", "E:\\x"},
        {"D:", "D:\\Work", "D:\\Work"},
        {"\\\\srv\\share\\a\\..\\..\\..\\b", "C:\\", "\\\\srv\\share\\b"},
        {"//srv/share", "C:\\", "\\\\srv\\share\\"},
        {"x", "\\\\srv\\share\\dir", "\\\\srv\\share\\dir\\x"},
        {"\\top", "\\\\srv\\share\\dir", "\\\\srv\\share\\top"},
        {"", "C:\\", nullptr},
        {"\\\\srv", "C:\\", nullptr},
        {"\\\\srv\\", "C:\\", nullptr},
        {"C:\\a*b", "C:\\", nullptr},
        {"C:\\a?b", "C:\\", nullptr},
        {"C:\\a:b", "C:\\", nullptr},
        {"C:\\a\"b", "C:\\", nullptr},
        {"C:\\a\nb", "C:\\", nullptr},
        {"1:\\x", "C:\\", nullptr},
    };
    for (const auto& c : cases) {
        const auto resolved = sys::ResolveWindowsPath(c.path, c.current);
        if (!c.expected) {
            EXPECT_FALSE(resolved) << c.path;
            continue;
        }
        ASSERT_TRUE(resolved) << c.path;
        EXPECT_EQ(resolved->ToString(), c.expected) << c.path;
    }
    EXPECT_FALSE(sys::ResolveWindowsPath(std::string("C:\\a\0b", 7), "C:\\"));
}

TEST_F(PrefixTest, DotDotNeverLeavesTheDriveFolder) {
    const fs::path drive = prefix.C("");
    for (const char* path : {"C:\\..", "C:\\..\\..\\etc\\passwd", "C:\\Windows\\..\\..\\..\\x",
                             "C:/../../x", "..\\..\\..\\..\\..\\..\\..\\x"}) {
        sys::ChDir("C:\\Windows\\Temp");
        const auto host = sys::ToHostPath(path);
        ASSERT_TRUE(host) << path;
        const auto relative = host->lexically_normal().lexically_relative(drive);
        EXPECT_FALSE(relative.empty() || *relative.begin() == "..") << path << " -> " << *host;
    }
    EXPECT_EQ(sys::ToHostPath("C:\\..\\..\\etc\\passwd"), prefix.C("etc/passwd"));
}

TEST_F(PrefixTest, NamesAreFoundWithoutRegardToCase) {
    TempPrefix::Write(prefix.C("Kesvard/Data/Firme.DB"), "x");
    EXPECT_EQ(sys::ToHostPath("c:\\KESVARD\\data\\FIRME.db"), prefix.C("Kesvard/Data/Firme.DB"));
    // The missing tail keeps the caller's spelling below the last existing folder.
    EXPECT_EQ(sys::ToHostPath("C:\\kesvard\\NEW\\Data"), prefix.C("Kesvard/NEW/Data"));
    EXPECT_TRUE(sys::FileExists("C:\\KESVARD\\DATA\\FIRME.DB"));
    // An exact spelling wins over another that differs only in case.
    TempPrefix::Write(prefix.C("Kesvard/Data/firme.db"), "y");
    EXPECT_EQ(sys::ToHostPath("C:\\Kesvard\\Data\\firme.db"), prefix.C("Kesvard/Data/firme.db"));
}

TEST_F(PrefixTest, UnmappedDrivesHaveNoHostPath) {
    EXPECT_FALSE(sys::ToHostPath("Q:\\x"));
    EXPECT_FALSE(sys::ToHostPath("\\\\nobody\\share\\x"));
    EXPECT_THROW(sys::HostPath("Q:\\x"), sys::EInOutError);
    EXPECT_FALSE(sys::FileExists("Q:\\x"));
}

TEST_F(PrefixTest, HostPathsMapBackByTheLongestRoot) {
    fs::create_directories(prefix.Root / "media/kit");
    sys::MapDrive({"A:", prefix.Root / "media", sys::DriveType::Removable});
    const struct {
        fs::path host;
        const char* windows;
    } cases[] = {
        {prefix.C("Kesvard/TALVEN.EXE"), "C:\\Kesvard\\TALVEN.EXE"},
        {prefix.C(""), "C:\\"},
        {prefix.Root / "drive_c", "C:\\"},
        {prefix.Root / "media/kit/", "A:\\kit"},
        {prefix.Root / "media/kit/../kit/INSTALL.EXE", "A:\\kit\\INSTALL.EXE"},
        {prefix.Root / "drives.ini", nullptr},
        {"/usr/bin", "Z:\\usr\\bin"},
        {"/", "Z:\\"},
    };
    for (const auto& c : cases) {
        std::string expected = c.windows ? c.windows : "Z:" + c.host.string();
        std::replace(expected.begin(), expected.end(), '/', '\\');
        EXPECT_EQ(sys::ToWindowsPath(c.host), std::optional<std::string>(expected)) << c.host;
    }
}

TEST_F(PrefixTest, LinkedPrefixMapsBackThroughItsRealFolder) {
    const fs::path link = prefix.Root.string() + "-link";
    fs::create_directory_symlink(prefix.Root, link);
    setenv("KESTRIX_PREFIX", link.c_str(), 1);
    sys::ResetPrefixCache();
    EXPECT_EQ(sys::ToWindowsPath(prefix.C("x/y")), std::optional<std::string>("C:\\x\\y"));
    EXPECT_EQ(sys::ToWindowsPath(link / "drive_c/x"), std::optional<std::string>("C:\\x"));
    fs::remove(link);
}
