#include "common/temp_prefix.h"
#include "diag/trace.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

using namespace Trace;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Strips the time stamp after checking its shape, so the prefixes can be compared exactly.
std::string WithoutStamp(const std::string& crlfLine) {
    EXPECT_EQ(crlfLine.back(), '\r');
    const std::string line = crlfLine.substr(0, crlfLine.size() - 1);
    const auto at = line.rfind(" <TIMP ");
    EXPECT_NE(at, std::string::npos) << line;
    EXPECT_EQ(line.size() - at, std::string(" <TIMP 00:00:00.000 > ").size()) << line;
    return line.substr(0, at);
}

class TraceLog : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(prefix.C("run"));
        TraceDepth = 0;
        TraceReopenEachLine = true;
    }
    kxtest::TempPrefix prefix;
};

TEST_F(TraceLog, WithoutTheSwitchFileNothingIsWritten) {
    TraceStartup("C:\\run\\");
    EXPECT_FALSE(TraceEnabled);
    TraceEnter("A");
    TraceNote("x");
    TraceLeave("A");
    EXPECT_EQ(TraceDepth, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prefix.C("run")), {}), 0);
}

TEST_F(TraceLog, NestedStepsAndNotesCarryTheirPrefixes) {
    kxtest::TempPrefix::Write(prefix.C("run/debug.pas"), "");
    kxtest::TempPrefix::Write(prefix.C("run/trace.log"), "earlier run\r\n");
    TraceStartup("C:\\run");
    ASSERT_TRUE(TraceEnabled);
    TraceEnter("A");
    TraceEnter("B");
    TraceNote("x");
    TraceLeave("B");
    TraceLeave("A");
    const auto lines = Lines(kxtest::TempPrefix::Read(prefix.C("run/trace.log")));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "earlier run\r");
    const std::vector<std::string> expected = {"BEGIN => A", " | |BEGIN => B", "      *       x",
                                               " | |END <- B", "END <- A"};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(WithoutStamp(lines[i + 1]), expected[i]);
    EXPECT_EQ(TraceDepth, 0);
}

TEST(TraceTimeStamp, PadsEachFieldWithZeros) {
    EXPECT_EQ(TraceTimeStamp(5), " <TIMP 00:00:00.005 > ");
    EXPECT_EQ(TraceTimeStamp(((9 * 60 + 5) * 60 + 7) * 1000 + 42), " <TIMP 09:05:07.042 > ");
    EXPECT_EQ(TraceTimeStamp(86399999), " <TIMP 23:59:59.999 > ");
}

TEST_F(TraceLog, ALogThatCannotBeOpenedSwitchesTracingOff) {
    kxtest::TempPrefix::Write(prefix.C("run/debug.pas"), "");
    std::filesystem::create_directories(prefix.C("run/trace.log")); // a folder in its place
    TraceStartup("C:\\run\\");
    ASSERT_TRUE(TraceEnabled);
    TraceEnter("A");
    EXPECT_FALSE(TraceEnabled);
    TraceNote("ignored");
    EXPECT_FALSE(std::filesystem::is_regular_file(prefix.C("run/trace.log")));
}

} // namespace
