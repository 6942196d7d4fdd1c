// The sample product's files as make_sample.py writes them: reproducible trees, the programs
// and support tools that run here, the instructions pages and the company logo.
#include "kit/sample/sample_kit.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace kxsample {
namespace {

constexpr uintmax_t RecognisedProgramSize = 6000000;

uint32_t Le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

using SamplePayload = SampleTest;

TEST_F(SamplePayload, TreesAreTheSameOnEveryRun) {
    for (int version : {1, 2}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const fs::path again = Kit().NewFolder("again") / "tree";
        const auto made =
            RunCommand({"python3", (SourceDir() / "kit/sample/make_sample.py").string(),
                        "--version", std::to_string(version), again.string()});
        ASSERT_EQ(made.Status, 0) << made.Output;
        const auto first = FilesBelow(Kit().Tree(version));
        const auto second = FilesBelow(again);
        ASSERT_EQ(first.size(), second.size());
        for (const auto& [name, path] : first) {
            ASSERT_TRUE(second.count(name)) << name;
            const fs::path& other = second.at(name);
            EXPECT_EQ(ReadFile(path), ReadFile(other)) << name;
            EXPECT_EQ(fs::last_write_time(path), fs::last_write_time(other)) << name;
            EXPECT_EQ(fs::status(path).permissions(), fs::status(other).permissions()) << name;
        }
    }
}

TEST_F(SamplePayload, GeneratorRefusesAnOccupiedFolder) {
    const fs::path occupied = Kit().NewFolder("occupied");
    std::ofstream(occupied / "keep.txt") << "kept";
    const auto made = RunCommand(
        {"python3", (SourceDir() / "kit/sample/make_sample.py").string(), occupied.string()});
    EXPECT_NE(made.Status, 0);
    EXPECT_NE(made.Output.find("not an empty folder"), std::string::npos) << made.Output;
    EXPECT_EQ(FilesBelow(occupied).size(), 1u);
}

TEST_F(SamplePayload, ProgramsRunAndSayWhichVersionTheyAre) {
    for (int version : {1, 2}) {
        const fs::path tree = Kit().Tree(version);
        const std::string& number = Kit().VersionNumber(version);
        EXPECT_GT(fs::file_size(tree / "EXE/TALVEN.EXE"), RecognisedProgramSize);
        for (const char* program : {"EXE/TALVEN.EXE", "VORNEXA/VORNEXA.EXE", "VORNEXA/DORVANE.EXE",
                                    "PLUMETA/PLUMETA.EXE"}) {
            SCOPED_TRACE(std::string(program) + " of version " + number);
            const auto ran = RunCommand({(tree / program).string()});
            EXPECT_EQ(ran.Status, 0);
            const std::string name = fs::path(program).filename().string();
            EXPECT_EQ(ran.Output.rfind(name, 0), 0u) << ran.Output;
            EXPECT_NE(ran.Output.find("versiunea " + number + ")"), std::string::npos)
                << ran.Output;
        }
    }
}

TEST_F(SamplePayload, SupportToolsAppendTheirCommandLinesToALogInThePrefix) {
    struct Case {
        std::string Tool;
        std::vector<std::string> Arguments;
        std::string Logged;
    };
    // The installer passes the program folder unquoted, so a folder with spaces arrives split.
    const std::vector<Case> cases = {
        {"HHUPD", {"/Q"}, "/Q"},
        {"TREGSVR", {"-Q", "C:\\Kesvard\\CFX32.OCX"}, "-Q C:\\Kesvard\\CFX32.OCX"},
        {"TREGSVR",
         {"-Q", "C:\\Program", "Files\\Kesvard\\CFX32.OCX"},
         "-Q C:\\Program Files\\Kesvard\\CFX32.OCX"},
    };
    const fs::path prefix = Kit().NewFolder("tools") / "fresh-prefix"; // not made yet
    std::map<std::string, std::string> expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Tool + " " + c.Logged);
        std::vector<std::string> argv = {(Kit().Tree(1) / "EXE" / (c.Tool + ".EXE")).string()};
        argv.insert(argv.end(), c.Arguments.begin(), c.Arguments.end());
        const auto ran = RunCommand(argv, {{"KESTRIX_PREFIX", prefix.string()}});
        EXPECT_EQ(ran.Status, 0) << ran.Output;
        expected[c.Tool] += c.Logged + "\n";
        EXPECT_EQ(ReadFile(prefix / "drive_c/Windows/Temp" / (c.Tool + ".log")), expected[c.Tool]);
    }
}

TEST_F(SamplePayload, InstructionsPagesAreTitledPlainAsciiPagesWithATableOfChanges) {
    for (int version : {1, 2}) {
        const std::string& number = Kit().VersionNumber(version);
        SCOPED_TRACE("version " + number);
        // One page per version, where the viewer looks for it.
        const auto pages = FilesBelow(Kit().Tree(version) / "EXE/VerInfo");
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages.begin()->first, number + "/Instruct.htm");
        const std::string page = ReadFile(pages.begin()->second);
        EXPECT_NE(page.find("<title>Instructiuni pentru versiunea " + number + "</title>"),
                  std::string::npos);
        EXPECT_NE(page.find("<table"), std::string::npos);
        EXPECT_NE(page.find("</html>"), std::string::npos);
        for (size_t i = 0; i < page.size(); ++i) {
            ASSERT_LT(static_cast<unsigned char>(page[i]), 0x80) << "byte " << i;
            if (page[i] == '\n') {
                ASSERT_TRUE(i > 0 && page[i - 1] == '\r') << "line end at byte " << i;
            }
        }
    }
}

TEST_F(SamplePayload, CompanyLogoIsAWellFormedBitmap) {
    const std::string bmp = ReadFile(Kit().Tree(1) / "DBNEW/NEW/FIRMA/LOGO.BMP");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    const uint32_t offset = Le32(bmp, 10), width = Le32(bmp, 18), height = Le32(bmp, 22);
    const uint16_t bits = static_cast<uint16_t>(Le32(bmp, 28) & 0xFFFF);
    ASSERT_EQ(bits, 24);
    ASSERT_GT(width, 0u);
    ASSERT_GT(height, 0u);
    const uint32_t stride = (width * 3 + 3) & ~3u;
    EXPECT_EQ(offset + stride * height, bmp.size());
}

} // namespace
} // namespace kxsample
