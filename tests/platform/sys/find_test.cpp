#include "platform/sys/files.h"
#include "sys_fixture.h"

#include <vector>

using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

std::vector<std::string> Find(const std::string& pattern, uint32_t attr = sys::faAnyFile) {
    std::vector<std::string> names;
    sys::TSearchRec rec;
    if (sys::FindFirst(pattern, attr, rec) == 0) {
        do
            names.push_back(rec.Name);
        while (sys::FindNext(rec) == 0);
    }
    sys::FindClose(rec);
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(MatchesMask, WindowsWildcards) {
    const struct {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"EXE.1", "*.*", true},        {"README", "*.*", true},
        {"README", "*", true},         {"exe.zip", "*.ZIP", true},
        {"EXE.ZIP.1", "*.ZIP", false}, {"a.b.zip", "*.zip", true},
        {"DISK1", "DISK1", true},      {"disk1", "DISK1", true},
        {"DISK10", "DISK1", false},    {"README", "*.", true},
        {"READ.ME", "*.", false},      {"EXE", "EXE.*", true},
        {"EXE.10", "EXE.*", true},     {"EXE.10", "EXE.?", false},
        {"EXE.1", "EXE.?", true},      {"EXE.", "EXE.?", true},
        {"EXE", "EXE.?", true},        {"AB.TXT", "A?.TXT", true},
        {"A.TXT", "A?.TXT", true},     {"ABC.TXT", "A?.TXT", false},
        {"x.txt", "*x*", true},        {"", "*", true},
        {"abc", "a*c", true},          {"ab", "a*c", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sys::MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
    EXPECT_FALSE(sys::MatchesMask(std::string(5000, 'a'), std::string(5000, '*')));
}

TEST_F(PrefixTest, EnumerationListsDotsFirstThenNamesInOrder) {
    for (const char* name : {"media/exe.2", "media/EXE.10", "media/EXE.1", "media/DISK1",
                             "media/README.TXT", "media/DBNEW.1"})
        TempPrefix::Write(prefix.C(name), "x");
    std::filesystem::create_directories(prefix.C("media/Sub"));
    EXPECT_EQ(Find("C:\\media\\*.*"), (Names{".", "..", "DBNEW.1", "DISK1", "EXE.1", "EXE.10",
                                             "exe.2", "README.TXT", "Sub"}));
    // Folders (and the dot entries) only when asked for.
    EXPECT_EQ(Find("C:\\MEDIA\\*.*", 0),
              (Names{"DBNEW.1", "DISK1", "EXE.1", "EXE.10", "exe.2", "README.TXT"}));
    EXPECT_EQ(Find("c:/media/exe.*"), (Names{"EXE.1", "EXE.10", "exe.2"}));
    EXPECT_EQ(Find("C:\\media\\disk1"), (Names{"DISK1"}));
    EXPECT_EQ(Find("C:\\media\\*.ZIP"), Names{});
    EXPECT_EQ(Find("C:\\nowhere\\*.*"), Names{});
    EXPECT_EQ(Find("C:\\media\\"), Names{});
}

TEST_F(PrefixTest, EnumerationReportsAttributesAndSizes) {
    TempPrefix::Write(prefix.C("d/.hidden"), "");
    TempPrefix::Write(prefix.C("d/ro.txt"), "12345");
    sys::SetFileAttributes("C:\\d\\ro.txt", sys::faReadOnly);
    EXPECT_EQ(Find("C:\\d\\*.*", 0), Names{"ro.txt"});
    sys::TSearchRec rec;
    ASSERT_EQ(sys::FindFirst("C:\\d\\*.*", sys::faAnyFile, rec), 0);
    EXPECT_EQ(rec.Name, ".");
    EXPECT_EQ(rec.Attr, sys::faDirectory);
    ASSERT_EQ(sys::FindNext(rec), 0);
    EXPECT_EQ(rec.Name, "..");
    EXPECT_EQ(rec.Attr, sys::faDirectory);
    ASSERT_EQ(sys::FindNext(rec), 0);
    EXPECT_EQ(rec.Name, ".hidden");
    EXPECT_EQ(rec.Attr, sys::faHidden | sys::faArchive);
    ASSERT_EQ(sys::FindNext(rec), 0);
    EXPECT_EQ(rec.Name, "ro.txt");
    EXPECT_EQ(rec.Attr, sys::faReadOnly | sys::faArchive);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_NE(sys::FindNext(rec), 0);
    sys::FindClose(rec);
}

TEST_F(PrefixTest, DriveRootsHaveNoDotEntries) {
    const auto names = Find("C:\\*.*");
    EXPECT_EQ(std::count(names.begin(), names.end(), "."), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Windows"), 1);
}
