// Archives made by the real archivers extract to the same tree, with the same file times, as
// the standard unzip produces from them.
#include "zip_test_support.h"

#include "platform/zip/zip_file.h"

#include <gtest/gtest.h>

namespace zip_test {
namespace {

struct ArchiverCase {
    const char* label;
    const char* tool; // the program that must be present
    // A shell command run inside the sample tree; $ARCHIVE is the archive to make.
    const char* command;
};

// Python's writer: every path of the tree in sorted order, with its folders. Arguments: the
// method, then "plain", "force" (ZIP64 headers on every file) or "limits" (limits lowered so that
// sizes, offsets and the end record all take their ZIP64 forms).
const char* const kPythonWalk =
    "import os, sys, zipfile\n"
    "if sys.argv[2] == 'limits':\n"
    "    zipfile.ZIP64_LIMIT = 1000\n"
    "    zipfile.ZIP_FILECOUNT_LIMIT = 2\n"
    "z = zipfile.ZipFile(os.environ['ARCHIVE'], 'w', int(sys.argv[1]))\n"
    "for base, dirs, files in sorted(os.walk('.')):\n"
    "    for name in sorted(dirs) + sorted(files):\n"
    "        path = os.path.join(base, name)[2:]\n"
    "        if os.path.isdir(path):\n"
    "            z.write(path)\n"
    "        elif sys.argv[2] == 'force':\n"
    "            with open(path, 'rb') as f, z.open(path, 'w', force_zip64=True) as out:\n"
    "                out.write(f.read())\n"
    "        else:\n"
    "            z.write(path)\n"
    "z.close()\n";

const ArchiverCase kArchivers[] = {
    {"InfoZip", "zip", "zip -qr \"$ARCHIVE\" ."},
    {"InfoZipStored", "zip", "zip -qr0 \"$ARCHIVE\" ."},
    // Written to a pipe, every entry carries a data descriptor.
    {"InfoZipStreamed", "zip", "zip -qr - . | cat > \"$ARCHIVE\""},
    // Read from standard input: one entry named "-", with a data descriptor.
    {"InfoZipFromStdin", "zip", "cat readme.txt TALVEN.EXE | zip -q - - | cat > \"$ARCHIVE\""},
    {"Python", "python3", "python3 -c \"$PYTHON_WALK\" 8 plain"},
    {"PythonStored", "python3", "python3 -c \"$PYTHON_WALK\" 0 plain"},
    {"PythonForcedZip64", "python3", "python3 -c \"$PYTHON_WALK\" 8 force"},
    {"PythonZip64Everywhere", "python3", "python3 -c \"$PYTHON_WALK\" 8 limits"},
    {"Bsdtar", "bsdtar", "bsdtar --format zip -cf \"$ARCHIVE\" ."},
    {"BsdtarStreamed", "bsdtar", "bsdtar --format zip -cf - . | cat > \"$ARCHIVE\""},
};

class ToolMadeArchive : public ::testing::TestWithParam<ArchiverCase> {};

TEST_P(ToolMadeArchive, ExtractsLikeUnzip) {
    const ArchiverCase& c = GetParam();
    for (const char* tool : {c.tool, "unzip"}) {
        if (!ToolAvailable(tool))
            GTEST_SKIP() << tool << " is not installed";
    }
    TempDir temp;
    WriteSampleTree(temp / "tree");
    fs::path archive = temp / "made.zip";
    std::string make = "cd " + Quote((temp / "tree").string()) +
                       " && ARCHIVE=" + Quote(archive.string()) +
                       " PYTHON_WALK=" + Quote(kPythonWalk) + " sh -c " + Quote(c.command);
    ASSERT_TRUE(RunShell(make)) << make;
    ASSERT_TRUE(RunShell("LC_ALL=C.UTF-8 unzip -qo " + Quote(archive.string()) + " -d " +
                         Quote((temp / "by-unzip").string())));

    zip::TZipFile::ExtractZipFile(archive, temp / "by-reader");

    EXPECT_EQ(TreeDifference(temp / "by-unzip", temp / "by-reader"), "");
    EXPECT_EQ(FileTimeDifference(temp / "by-unzip", temp / "by-reader"), "");
}

INSTANTIATE_TEST_SUITE_P(Archivers, ToolMadeArchive, ::testing::ValuesIn(kArchivers),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace zip_test
