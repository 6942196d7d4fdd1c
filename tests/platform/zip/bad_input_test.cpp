// Damaged, hostile and unsupported archives: the reader raises EZipException naming the archive
// and the entry, writes nothing outside the destination, follows no link, and leaves no partial
// file behind.
#include "crafted_zip.h"
#include "zip_test_support.h"

#include "platform/zip/zip_file.h"

#include <gtest/gtest.h>

namespace zip_test {
namespace {

const std::string kContents = [] {
    std::string text;
    for (int i = 0; i < 4000; ++i)
        text += "row " + std::to_string(i * 7919 % 10007) + ";";
    return text;
}();

CraftedEntry Entry(std::string name, std::string data = kContents) {
    CraftedEntry e;
    e.name = std::move(name);
    e.data = std::move(data);
    return e;
}

struct BadEntryCase {
    const char* label;
    // The hostile entry; sandbox is the folder that holds the archive and the destination.
    CraftedEntry (*make)(const fs::path& sandbox);
    const char* reason; // words the reason must contain
    // Puts something into the sandbox before extracting (a planted link, for example).
    void (*plant)(const fs::path& sandbox) = nullptr;
};

const size_t kDeflatedSize = RawDeflate(kContents).size();

const BadEntryCase kBadEntries[] = {
    {"BadCrc",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.crc = Crc32(kContents) ^ 0x10;
         return e;
     },
     "CRC-32 mismatch"},
    {"BadCrcStored",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.method = 0;
         e.crc = Crc32(kContents) + 1;
         return e;
     },
     "CRC-32 mismatch"},
    {"UnsupportedMethod",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.method = 99;
         return e;
     },
     "unsupported compression method 99"},
    {"Encrypted",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.flags = 1;
         return e;
     },
     "encrypted"},
    {"DeclaredSizeTooLarge",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.uncompressedSize = static_cast<uint32_t>(kContents.size() + 10);
         return e;
     },
     "shorter"},
    {"DeclaredSizeTooSmall",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.uncompressedSize = static_cast<uint32_t>(kContents.size() - 10);
         return e;
     },
     "longer than the declared size"},
    {"StoredSizesDiffer",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.method = 0;
         e.uncompressedSize = static_cast<uint32_t>(kContents.size() + 1);
         return e;
     },
     "declared sizes do not match"},
    {"CompressedSizeTooSmall",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.compressedSize = static_cast<uint32_t>(kDeflatedSize - 5);
         return e;
     },
     "cut off"},
    {"CompressedSizeTooLarge",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.compressedSize = static_cast<uint32_t>(kDeflatedSize + 3);
         return e;
     },
     "ends before its declared compressed size"},
    {"DataRunsPastTheEntries",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.compressedSize = static_cast<uint32_t>(kDeflatedSize + 100000);
         return e;
     },
     "cut off"},
    {"DeflateStreamCut",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.truncateDataTo = kDeflatedSize / 2;
         return e;
     },
     "cut off"},
    {"DeflateStreamDamaged",
     [](const fs::path&) {
         auto e = Entry("bad.txt");
         e.flipDataByte = 0;
         return e;
     },
     "damaged compressed data"},
    {"DotDot", [](const fs::path&) { return Entry("../evil.txt"); }, "unsafe path"},
    {"DotDotInside", [](const fs::path&) { return Entry("sub/../../evil.txt"); }, "unsafe path"},
    {"DotDotHarmlessLooking", [](const fs::path&) { return Entry("sub/../evil.txt"); },
     "unsafe path"},
    {"BackslashDotDot", [](const fs::path&) { return Entry("..\\evil.txt"); }, "unsafe path"},
    {"BackslashClimb", [](const fs::path&) { return Entry("sub\\..\\..\\evil.txt"); },
     "unsafe path"},
    {"MixedClimb", [](const fs::path&) { return Entry("sub/..\\../evil.txt"); }, "unsafe path"},
    {"Absolute", [](const fs::path& sandbox) { return Entry((sandbox / "evil.txt").string()); },
     "unsafe path (absolute)"},
    {"BackslashAbsolute", [](const fs::path&) { return Entry("\\evil.txt"); },
     "unsafe path (absolute)"},
    {"UncPath", [](const fs::path&) { return Entry("\\\\server\\share\\evil.txt"); },
     "unsafe path (absolute)"},
    {"DriveLetter", [](const fs::path&) { return Entry("C:evil.txt"); },
     "unsafe path (drive letter)"},
    {"DriveLetterRoot", [](const fs::path&) { return Entry("c:\\evil.txt"); },
     "unsafe path (drive letter)"},
    {"NulInName", [](const fs::path&) { return Entry(std::string("evil\0/../../x", 13)); }, "NUL"},
    {"SymbolicLinkEntry",
     [](const fs::path& sandbox) {
         auto e = Entry("link", (sandbox / "outside").string());
         e.method = 0;
         e.madeBy = kMadeByUnix;
         e.externalAttributes = 0120777u << 16;
         return e;
     },
     "symbolic-link entries are not extracted"},
    {"PlantedFolderLink", [](const fs::path&) { return Entry("jump/evil.txt"); },
     "refusing to follow the symbolic link \"jump\"",
     [](const fs::path& sandbox) {
         fs::create_directories(sandbox / "outside");
         fs::create_directory_symlink(sandbox / "outside", sandbox / "dest/jump");
     }},
    {"PlantedDeepFolderLink", [](const fs::path&) { return Entry("a/b/jump/c/evil.txt"); },
     "refusing to follow the symbolic link \"a/b/jump\"",
     [](const fs::path& sandbox) {
         fs::create_directories(sandbox / "outside");
         fs::create_directories(sandbox / "dest/a/b");
         fs::create_directory_symlink("../../../outside", sandbox / "dest/a/b/jump");
     }},
    {"PlantedFileLink", [](const fs::path&) { return Entry("victim.txt"); },
     "refusing to replace the symbolic link \"victim.txt\"",
     [](const fs::path& sandbox) {
         WriteFile(sandbox / "precious.txt", "kept");
         fs::create_symlink(sandbox / "precious.txt", sandbox / "dest/victim.txt");
     }},
    {"PlantedDanglingLink", [](const fs::path&) { return Entry("victim.txt"); },
     "refusing to replace the symbolic link",
     [](const fs::path& sandbox) {
         fs::create_symlink(sandbox / "created-through-link.txt", sandbox / "dest/victim.txt");
     }},
    {"FileInTheWayOfAFolder", [](const fs::path&) { return Entry("plain/evil.txt"); },
     "a file of that name exists",
     [](const fs::path& sandbox) { WriteFile(sandbox / "dest/plain", "a file"); }},
    {"FolderInTheWayOfAFile", [](const fs::path&) { return Entry("taken"); },
     "a folder of that name exists",
     [](const fs::path& sandbox) { fs::create_directories(sandbox / "dest/taken/inner"); }},
};

class BadEntry : public ::testing::TestWithParam<BadEntryCase> {};

TEST_P(BadEntry, FailsNamingArchiveAndEntryAndWritesNothingElse) {
    const BadEntryCase& c = GetParam();
    TempDir temp;
    fs::path sandbox = temp / "sandbox";
    fs::path archive = sandbox / "broken.zip";
    fs::create_directories(sandbox / "dest");
    CraftedEntry bad = c.make(sandbox);
    WriteFile(archive, CraftZip({Entry("first.txt", "fine"), bad, Entry("after.txt", "later")}));
    if (c.plant)
        c.plant(sandbox);
    fs::copy(sandbox, temp / "before",
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);

    try {
        zip::TZipFile::ExtractZipFile(archive, sandbox / "dest");
        FAIL() << "no error for " << c.label;
    } catch (const zip::EZipException& e) {
        EXPECT_EQ(e.Archive, archive.string());
        EXPECT_EQ(e.Entry, bad.name);
        EXPECT_NE(e.Reason.find(c.reason), std::string::npos) << e.what();
        std::string message = e.what();
        EXPECT_NE(message.find(archive.string()), std::string::npos) << message;
        if (bad.name.find('\0') == std::string::npos) {
            EXPECT_NE(message.find(bad.name), std::string::npos) << message;
        }
    }

    // The entry before the bad one is in place; nothing else changed anywhere in the sandbox,
    // and no temporary file was left behind.
    EXPECT_EQ(ReadFile(sandbox / "dest/first.txt"), "fine");
    fs::remove(sandbox / "dest/first.txt");
    EXPECT_EQ(TreeDifference(temp / "before", sandbox), "") << ListTree(sandbox);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadEntry, ::testing::ValuesIn(kBadEntries),
                         [](const auto& info) { return std::string(info.param.label); });

// Archives whose table of contents cannot be read fail when they are opened, naming the archive,
// before anything is created.
struct BadArchiveCase {
    const char* label;
    std::string (*make)();
    const char* reason;
};

std::string GoodArchive() {
    return CraftZip({Entry("a.txt"), Entry("b/c.txt", "short")});
}

// The good archive with the bytes at offset from its end replaced.
std::string PatchedFromEnd(size_t fromEnd, const std::string& bytes) {
    std::string archive = GoodArchive();
    archive.replace(archive.size() - fromEnd, bytes.size(), bytes);
    return archive;
}

const BadArchiveCase kBadArchives[] = {
    {"Empty", [] { return std::string(); }, "too short"},
    {"NotAnArchive", [] { return std::string(5000, 'x'); }, "no end of central directory"},
    {"CutInHalf",
     [] {
         std::string archive = GoodArchive();
         return archive.substr(0, archive.size() / 2);
     },
     "no end of central directory"},
    {"EndRecordCut",
     [] {
         std::string archive = GoodArchive();
         return archive.substr(0, archive.size() - 3);
     },
     "no end of central directory"},
    // The end record is 22 bytes: its disk numbers start 18 bytes from the end, the entry counts
    // 14, the directory size 10 and the directory offset 6.
    {"DirectoryOffsetPastEnd", [] { return PatchedFromEnd(6, Le32(0x7FFFFFF0)); },
     "outside the archive"},
    {"DirectorySizePastEnd", [] { return PatchedFromEnd(10, Le32(0xFFFFFF00)); },
     "outside the archive"},
    {"MoreEntriesThanTheDirectoryHolds",
     [] { return PatchedFromEnd(14, Le16(0xFFF0) + Le16(0xFFF0)); }, "more entries"},
    {"DirectoryOffsetWrong", [] { return PatchedFromEnd(6, Le32(1)); }, "bad signature"},
    {"SplitArchive", [] { return PatchedFromEnd(18, Le16(1) + Le16(1)); }, "several disks"},
};

class BadArchive : public ::testing::TestWithParam<BadArchiveCase> {};

TEST_P(BadArchive, FailsToOpenNamingTheArchive) {
    const BadArchiveCase& c = GetParam();
    TempDir temp;
    fs::path archive = temp / "broken.zip";
    WriteFile(archive, c.make());
    try {
        zip::TZipFile::ExtractZipFile(archive, temp / "dest");
        FAIL() << "no error for " << c.label;
    } catch (const zip::EZipException& e) {
        EXPECT_EQ(e.Archive, archive.string());
        EXPECT_EQ(e.Entry, "");
        EXPECT_NE(e.Reason.find(c.reason), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(archive.string()), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(temp / "dest"));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadArchive, ::testing::ValuesIn(kBadArchives),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ZipOpen, MissingFileFolderOrWriteModeIsAnError) {
    TempDir temp;
    zip::TZipFile zip;
    struct {
        fs::path path;
        zip::TZipMode mode;
        const char* reason;
    } cases[] = {
        {temp / "missing.zip", zip::zmRead, "No such file"},
        {temp.Path(), zip::zmRead, "not a regular file"},
        {temp / "missing.zip", zip::zmWrite, "only reading"},
    };
    for (const auto& c : cases) {
        try {
            zip.Open(c.path, c.mode);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const zip::EZipException& e) {
            EXPECT_EQ(e.Archive, c.path.string());
            EXPECT_NE(e.Reason.find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(zip.Mode(), zip::zmClosed);
        EXPECT_EQ(zip.FileCount(), 0);
    }
}

} // namespace
} // namespace zip_test
