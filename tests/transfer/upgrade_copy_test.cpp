#include "diag/trace.h"
#include "platform/sys/files.h"
#include "transfer/upgrade_copy.h"
#include "transfer_fixture.h"

#include <sstream>

using namespace kxtest;
using namespace Iglobals;

namespace {

class UpgradeCopy : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        InstallType = 2;
        UpgradeMode = true;
        const auto disk = Disk(1);
        PutVolumes("EXE",
                   Zip({{"TALVEN.EXE", "new program"},
                        {"idapi32.cfg", "engine settings"},
                        {"IDAPI/readme.txt", "held back"},
                        {"BIN/IDAPI.DLL", "a library"}}),
                   {disk});
        PutVolumes("DBNEW",
                   Zip({{"NEW/DATA/A.DB", "a"},
                        {"NEW/FIRMA/LOGO.BMP", "new logo"},
                        {"NEWS.TXT", "news"},
                        {"README.TXT", "not extracted"}}),
                   {disk});
        PutVolumes("DBDAT", Zip({{"DATA/FIRME.DB", "sample"}}), {disk});
        PutVolumes("BDE32", Zip({{"IDAPI32.DLL", "engine"}}), {disk});
        InsertDisk(disk, sys::DriveType::Fixed);

        TempPrefix::Write(prefix.C("Kesvard/TALVEN.EXE"), "old program");
        TempPrefix::Write(prefix.C("Kesvard/idapi32.cfg"), "the user's engine settings");
        TempPrefix::Write(prefix.C("Kesvard/NEW/FIRMA/LOGO.BMP"), "the user's logo");
        TempPrefix::Write(prefix.C("Kesvard/NEW/FIRMA/SIGN.png"), "the user's signature");
        TempPrefix::Write(prefix.C("Kesvard/NEW/FIRMA/F.DB"), "old sample");
        TempPrefix::Write(prefix.C("Kesvard/NEW/LUNA/L.DB"), "old sample");
        sys::SetFileAttributes("C:\\Kesvard\\NEW\\FIRMA\\SIGN.png", sys::faReadOnly);
    }
};

TEST_F(UpgradeCopy, ReplacesTheProgramButKeepsWhatMustNotBeReplaced) {
    TUpgCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);

    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/TALVEN.EXE")), "new program");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/idapi32.cfg")), "the user's engine settings");
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/IDAPI")));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/BIN/IDAPI.DLL")), "a library");
    // The sample database: NEW... entries only (NEWS.TXT too: the test is a plain prefix).
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/DATA/A.DB")), "a");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEWS.TXT")), "news");
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/README.TXT")));
    // Pictures survive the clearing, writable; one of the same name in the archive replaces it.
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/FIRMA/LOGO.BMP")), "new logo");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/FIRMA/SIGN.png")), "the user's signature");
    EXPECT_EQ(sys::GetFileAttributes("C:\\Kesvard\\NEW\\FIRMA\\SIGN.png") & sys::faReadOnly, 0u);
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/FIRMA/F.DB")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/LUNA/L.DB")));
    // Never the database with examples, never the engine; all archives are removed.
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/DATA")));
    EXPECT_FALSE(fs::exists(prefix.C("Program Files/Borland")));
    EXPECT_TRUE(ListFolder("C:\\Kesvard", "*.ZIP").empty());
    EXPECT_GT(observer.MessagePasses, 0);
    EXPECT_EQ(observer.Instructions, std::vector<std::string>{"C:\\Kesvard"});
}

TEST_F(UpgradeCopy, AClientUpgradeCopiesNoDatabaseFiles) {
    InstallType = 3;
    TUpgCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/TALVEN.EXE")), "new program");
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/DATA")));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/FIRMA/F.DB")), "old sample");
}

TEST_F(UpgradeCopy, WithoutTheSampleArchiveTheFoldersAreStillCleared) {
    fs::remove(prefix.Root / "media" / "disk1" / "DBNEW.1");
    TUpgCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/FIRMA/F.DB")));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/FIRMA/LOGO.BMP")), "the user's logo");
}

TEST_F(UpgradeCopy, EveryFilterDecisionIsTraced) {
    TempPrefix::Write(prefix.C("run/debug.pas"), "");
    Trace::TraceStartup("C:\\run\\");
    struct Case {
        const char* name;
        bool program, confirmed;
    } cases[] = {
        {"idapi32.cfg", true, false},   {"IDAPI/x.dll", true, false},
        {"BIN/IDAPI.DLL", true, true},  {"TALVEN.EXE", true, true},
        {"NEW/DATA/A.DB", false, true}, {"new\\luna\\b.db", false, true},
        {"NEWS.TXT", false, true},      {"README.TXT", false, false},
        {"DATA/NEW.DB", false, false},
    };
    for (const auto& c : cases) {
        Cupgcopy::ProgramArchiveMode = c.program;
        EXPECT_EQ(TUpgCopyEngine::ConfirmEntry(c.name), c.confirmed) << c.name;
    }
    Trace::TraceEnabled = false;
    std::istringstream log(TempPrefix::Read(prefix.C("run/trace.log")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
        lines.push_back(line.substr(0, line.find(" <TIMP")));
    ASSERT_EQ(lines.size(), 2 * std::size(cases));
    EXPECT_EQ(lines[0], "  *       Confirmare pentru: \\IDAPI32.CFG");
    EXPECT_EQ(lines[1], "  *       NU!!!");
    EXPECT_EQ(lines[7], "  *       Confirmat");
    EXPECT_EQ(lines[10], "  *       Confirmare pentru: \\NEW\\LUNA\\B.DB");
}

} // namespace
