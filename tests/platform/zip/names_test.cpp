// Stored names: separators, skipped components, folder entries and the three ways a name's
// characters are encoded.
#include "crafted_zip.h"
#include "zip_test_support.h"

#include "platform/zip/zip_file.h"

#include <gtest/gtest.h>

namespace zip_test {
namespace {

struct NameCase {
    const char* label;
    std::string stored;
    uint16_t flags;
    uint16_t madeBy;
    std::string extra;
    std::string decoded; // FileName(i)
    std::string tree;    // what the destination holds afterwards
};

std::string UnicodePath(const std::string& legacy, const std::string& utf8) {
    return ExtraField(0x7075, std::string(1, '\x01') + Le32(Crc32(legacy)) + utf8);
}

const std::string kEte = "\xc3\xa9t\xc3\xa9"; // "été" in UTF-8

const NameCase kNames[] = {
    {"Backslashes", "dir\\sub\\file.txt", 0, kMadeByFat, "", "dir\\sub\\file.txt",
     "dir/\ndir/sub/\ndir/sub/file.txt\n"},
    {"EmptyAndDotComponents", "a//b/./c.txt", 0, kMadeByFat, "", "a//b/./c.txt",
     "a/\na/b/\na/b/c.txt\n"},
    {"LeadingDot", "./lead.txt", 0, kMadeByUnix, "", "./lead.txt", "lead.txt\n"},
    {"FolderEntry", "NEW\\LUNA\\", 0, kMadeByFat, "", "NEW\\LUNA\\", "NEW/\nNEW/LUNA/\n"},
    {"FolderEntryWithDot", "logs/.", 0, kMadeByUnix, "", "logs/.", "logs/\n"},
    {"DotsInsideNames", "v1..2/a..b", 0, kMadeByFat, "", "v1..2/a..b", "v1..2/\nv1..2/a..b\n"},
    {"Cp437FromDos", "\x82t\x82 \x8e\x9a.txt", 0, kMadeByFat, "", kEte + " \xc3\x84\xc3\x9c.txt",
     kEte + " \xc3\x84\xc3\x9c.txt\n"},
    {"Cp437BoxDrawing", "\xc9\xcd\xbb", 0, (11 << 8) | 20, "",
     "\xe2\x95\x94\xe2\x95\x90\xe2\x95\x97", "\xe2\x95\x94\xe2\x95\x90\xe2\x95\x97\n"},
    {"Utf8Flag", kEte + ".txt", 0x0800, kMadeByFat, "", kEte + ".txt", kEte + ".txt\n"},
    {"UnixHostBytes", kEte + ".txt", 0, kMadeByUnix, "", kEte + ".txt", kEte + ".txt\n"},
    {"UnicodePathField", "ete.txt", 0, kMadeByFat, UnicodePath("ete.txt", kEte + ".txt"),
     kEte + ".txt", kEte + ".txt\n"},
    {"StaleUnicodePathField", "\x82t\x82.txt", 0, kMadeByFat,
     UnicodePath("renamed.txt", "wrong.txt"), kEte + ".txt", kEte + ".txt\n"},
};

class EntryName : public ::testing::TestWithParam<NameCase> {};

TEST_P(EntryName, DecodesAndLandsUnderTheDestination) {
    const NameCase& c = GetParam();
    TempDir temp;
    CraftedEntry e;
    e.name = c.stored;
    e.data = c.stored.back() == '/' || c.stored.back() == '\\' || c.stored.back() == '.'
                 ? ""
                 : "contents";
    e.flags = c.flags;
    e.madeBy = c.madeBy;
    e.extra = c.extra;
    WriteFile(temp / "names.zip", CraftZip({e}));

    zip::TZipFile zip;
    zip.Open(temp / "names.zip", zip::zmRead);
    ASSERT_EQ(zip.FileCount(), 1);
    EXPECT_EQ(zip.FileName(0), c.decoded);
    zip.ExtractAll(temp / "dest");

    EXPECT_EQ(ListTree(temp / "dest"), c.tree);
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryName, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace zip_test
