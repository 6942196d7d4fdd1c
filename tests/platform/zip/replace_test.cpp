// Entries replace existing files (also read-only ones) only when complete and verified; headers,
// single-entry extraction, permissions and times.
#include "crafted_zip.h"
#include "zip_test_support.h"

#include "platform/zip/zip_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zip_test {
namespace {

CraftedEntry Entry(std::string name, std::string data) {
    CraftedEntry e;
    e.name = std::move(name);
    e.data = std::move(data);
    return e;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(ZipReplace, ExistingFilesAreReplacedEvenWhenReadOnly) {
    TempDir temp;
    WriteFile(temp / "dest/TALVEN.EXE", "old program, longer than the new one");
    WriteFile(temp / "dest/BIN/IDAPI.DLL", "old library");
    fs::permissions(temp / "dest/BIN/IDAPI.DLL", fs::perms::owner_read | fs::perms::group_read);
    WriteFile(temp / "upgrade.zip",
              CraftZip({Entry("TALVEN.EXE", "new program"), Entry("BIN/IDAPI.DLL", "new")}));

    zip::TZipFile::ExtractZipFile(temp / "upgrade.zip", temp / "dest");

    EXPECT_EQ(ReadFile(temp / "dest/TALVEN.EXE"), "new program");
    EXPECT_EQ(ReadFile(temp / "dest/BIN/IDAPI.DLL"), "new");
    EXPECT_EQ(ListTree(temp / "dest"), "BIN/\nBIN/IDAPI.DLL\nTALVEN.EXE\n");
}

TEST(ZipReplace, NamesThatDifferOnlyInCaseReachTheExistingFilesAndFolders) {
    TempDir temp;
    WriteFile(temp / "dest/Bin/Talven.exe", "old program");
    WriteFile(temp / "dest/verinfo/old.htm", "old page");
    WriteFile(temp / "upgrade.zip",
              CraftZip({Entry("BIN/TALVEN.EXE", "new program"),
                        Entry("VerInfo/new.htm", "new page"), Entry("bin/Other.dll", "library")}));

    zip::TZipFile::ExtractZipFile(temp / "upgrade.zip", temp / "dest");

    EXPECT_EQ(ReadFile(temp / "dest/Bin/Talven.exe"), "new program");
    EXPECT_EQ(ListTree(temp / "dest"),
              "Bin/\nBin/Other.dll\nBin/Talven.exe\nverinfo/\nverinfo/new.htm\nverinfo/old.htm\n");
}

TEST(ZipReplace, ExistingFileSurvivesAnEntryThatFailsItsCrc) {
    TempDir temp;
    std::string big(900 * 1024, 'k'); // several chunks are written before the check fails
    WriteFile(temp / "dest/TALVEN.EXE", "installed program");
    CraftedEntry broken = Entry("TALVEN.EXE", big);
    broken.crc = Crc32(big) ^ 1;
    WriteFile(temp / "upgrade.zip", CraftZip({broken}));

    EXPECT_THROW(zip::TZipFile::ExtractZipFile(temp / "upgrade.zip", temp / "dest"),
                 zip::EZipException);

    EXPECT_EQ(ReadFile(temp / "dest/TALVEN.EXE"), "installed program");
    EXPECT_EQ(ListTree(temp / "dest"), "TALVEN.EXE\n");
}

TEST(ZipEntries, HeadersDescribeTheStoredEntries) {
    TempDir temp;
    CraftedEntry deflated = Entry("VerInfo/5.2/Instruct.htm", std::string(5000, 'h'));
    CraftedEntry stored = Entry("DISK1", "marker");
    stored.method = 0;
    stored.dataDescriptor = true;
    WriteFile(temp / "a.zip", CraftZip({deflated, stored}));

    zip::TZipFile zip;
    zip.Open(temp / "a.zip", zip::zmRead);
    ASSERT_EQ(zip.FileCount(), 2);
    const CraftedEntry* crafted[] = {&deflated, &stored};
    for (int i = 0; i < 2; ++i) {
        const zip::TZipHeader& h = zip.FileInfo(i);
        EXPECT_EQ(zip.FileName(i), crafted[i]->name);
        EXPECT_EQ(h.FileName, crafted[i]->name);
        EXPECT_EQ(h.UncompressedSize, crafted[i]->data.size());
        EXPECT_EQ(h.CompressedSize, crafted[i]->method == 8 ? RawDeflate(crafted[i]->data).size()
                                                            : crafted[i]->data.size());
        EXPECT_EQ(h.CompressionMethod, crafted[i]->method);
        EXPECT_EQ(h.CRC32, Crc32(crafted[i]->data));
        EXPECT_EQ(h.ModifiedDateTime, crafted[i]->dosDateTime);
    }
    EXPECT_THROW(zip.FileInfo(2), zip::EZipException);
    EXPECT_THROW(zip.FileName(-1), zip::EZipException);
    zip.Close();
    EXPECT_EQ(zip.FileCount(), 0);
    EXPECT_THROW(zip.FileInfo(0), zip::EZipException);
}

TEST(ZipEntries, ExtractOneEntryWithOrWithoutItsFolders) {
    TempDir temp;
    WriteFile(temp / "a.zip", CraftZip({Entry("skip.txt", "no"), Entry("NEW/DATA/f.db", "db")}));
    zip::TZipFile zip;
    zip.Open(temp / "a.zip", zip::zmRead);

    zip.Extract(1, temp / "with");
    zip.Extract(1, temp / "flat", false);

    EXPECT_EQ(ListTree(temp / "with"), "NEW/\nNEW/DATA/\nNEW/DATA/f.db\n");
    EXPECT_EQ(ListTree(temp / "flat"), "f.db\n");
    EXPECT_EQ(ReadFile(temp / "flat/f.db"), "db");
}

TEST(ZipEntries, PermissionsFollowTheHostAttributes) {
    TempDir temp;
    CraftedEntry tool = Entry("hhupd.sh", "#!/bin/sh\n");
    tool.madeBy = kMadeByUnix;
    tool.externalAttributes = 0100755u << 16;
    CraftedEntry unreadable = Entry("locked.txt", "x");
    unreadable.madeBy = kMadeByUnix;
    unreadable.externalAttributes = 0100000u << 16;
    CraftedEntry dosReadOnly = Entry("READONLY.TXT", "x");
    dosReadOnly.externalAttributes = 0x21;
    CraftedEntry dosNormal = Entry("NORMAL.TXT", "x");
    dosNormal.externalAttributes = 0x20;
    WriteFile(temp / "a.zip", CraftZip({tool, unreadable, dosReadOnly, dosNormal}));

    zip::TZipFile::ExtractZipFile(temp / "a.zip", temp / "dest");

    EXPECT_TRUE(ModeOf(temp / "dest/hhupd.sh") & S_IXUSR);
    EXPECT_TRUE(ModeOf(temp / "dest/locked.txt") & S_IRUSR) << "the owner can always read";
    EXPECT_FALSE(ModeOf(temp / "dest/READONLY.TXT") & (S_IWUSR | S_IXUSR));
    EXPECT_TRUE(ModeOf(temp / "dest/NORMAL.TXT") & S_IWUSR);
    EXPECT_FALSE(ModeOf(temp / "dest/NORMAL.TXT") & S_IXUSR);
}

TEST(ZipEntries, UnixTimestampFieldWinsOverTheDosTime) {
    TempDir temp;
    const int32_t when = 1234567890;
    CraftedEntry stamped = Entry("stamped.txt", "t");
    stamped.extra = ExtraField(0x5455, std::string(1, '\x01') + Le32(when));
    CraftedEntry folder = Entry("folder/", "");
    folder.extra = stamped.extra;
    WriteFile(temp / "a.zip", CraftZip({folder, stamped, Entry("folder/inner.txt", "i")}));

    zip::TZipFile::ExtractZipFile(temp / "a.zip", temp / "dest");

    struct stat st {};
    ASSERT_EQ(::stat((temp / "dest/stamped.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, when);
    ASSERT_EQ(::stat((temp / "dest/folder").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, when) << "a folder keeps its time although files went into it";
}

} // namespace
} // namespace zip_test
