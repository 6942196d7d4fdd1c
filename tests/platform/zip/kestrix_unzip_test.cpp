// The command-line extractor: status 0 on success, otherwise one line naming the archive.
#include "crafted_zip.h"
#include "zip_test_support.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace zip_test {
namespace {

// Programs land in bin/ beside the tests/ folder of the test programs.
fs::path Tool() {
    if (const char* bin = std::getenv("KX_BIN_DIR"))
        return fs::path(bin) / "kestrix-unzip";
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path().parent_path() / "bin" /
           "kestrix-unzip";
}

TEST(KestrixUnzip, ExtractsOrReportsOneLine) {
    if (!fs::exists(Tool()))
        GTEST_SKIP() << "kestrix-unzip is not built";
    TempDir temp;
    CraftedEntry good;
    good.name = "sub/good.txt";
    good.data = "good";
    CraftedEntry bad = good;
    bad.name = "bad.txt";
    bad.crc = 1;
    WriteFile(temp / "good.zip", CraftZip({good}));
    WriteFile(temp / "bad.zip", CraftZip({bad}));
    std::string tool = Quote(Tool().string());

    EXPECT_TRUE(RunShell(tool + " " + Quote((temp / "good.zip").string()) + " " +
                         Quote((temp / "out").string())));
    EXPECT_EQ(ReadFile(temp / "out/sub/good.txt"), "good");

    EXPECT_FALSE(RunShell(tool + " " + Quote((temp / "bad.zip").string()) + " " +
                          Quote((temp / "out").string()) + " 2>" +
                          Quote((temp / "error.txt").string())));
    std::string error = ReadFile(temp / "error.txt");
    EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
    EXPECT_NE(error.find((temp / "bad.zip").string()), std::string::npos) << error;
    EXPECT_NE(error.find("bad.txt"), std::string::npos) << error;

    EXPECT_FALSE(RunShell(tool + " 2>/dev/null"));
}

} // namespace
} // namespace zip_test
