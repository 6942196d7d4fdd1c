// Starting the engine: only an installed engine starts, and a configuration it cannot read
// stops it without being touched.
#include "engine_fixture.h"

#include "platform/sys/files.h"
#include "platform/sys/process.h"

#include <cstdlib>

namespace {

// The prefix takes its regedit stand-in from the build's program folder, which CTest names;
// run by hand, the test finds it beside its own folder.
const bool BuiltProgramsKnown = [] {
    if (!std::getenv("KX_BIN_DIR")) {
        std::error_code ignored;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
        setenv("KX_BIN_DIR", (self.parent_path().parent_path() / "bin").c_str(), 0);
    }
    return true;
}();

using namespace dbe;
using kxtest::EngineTest;
using kxtest::TempPrefix;

// bde.reg as the engine's archive brings it, with the program files folder already put in.
const char* BdeReg = "REGEDIT4\r\n\r\n"
                     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\Database Engine]\r\n"
                     "\"CONFIGFILE01\"=\"C:\\\\Program Files\\\\Borland\\\\Common "
                     "Files\\\\BDE\\\\IDAPI32.CFG\"\r\n"
                     "\"DLLPATH\"=\"C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE\"\r\n"
                     "\"UseCount\"=\"1\"\r\n\r\n"
                     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\BLW32]\r\n"
                     "\"BLAPIPATH\"=\"C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE\"\r\n";

TEST_F(EngineTest, StartsOnlyAfterBdeRegWasImportedAndTheLibraryIsOnDisk) {
    EXPECT_EQ(DbiInit(nullptr), DBIERR_CANTFINDIDAPI);
    EXPECT_NE(DbiLastErrorMessage().find("Database Engine"), std::string::npos)
        << DbiLastErrorMessage();

    TempPrefix::Write(EngineHost("bde.reg"), BdeReg);
    ASSERT_TRUE(sys::FindProgram("regedit")) << "the regedit stand-in is not in the prefix";
    const auto process = sys::CreateProcess(
        "regedit /s \"C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg\"", 6);
    ASSERT_TRUE(process);
    EXPECT_EQ(sys::WaitForProcess(*process), 0u);

    EXPECT_EQ(DbiInit(nullptr), DBIERR_CANTFINDIDAPI); // the registry alone is not enough
    EXPECT_NE(DbiLastErrorMessage().find("IDAPI32.DLL"), std::string::npos);

    TempPrefix::Write(EngineHost("IDAPI32.DLL"), "");
    EXPECT_EQ(DbiInit(nullptr), DBIERR_NONE) << DbiLastErrorMessage();
}

TEST_F(EngineTest, NeedsBothRegistryValues) {
    TempPrefix::Write(EngineHost("IDAPI32.DLL"), "");
    sys::TRegistry registry;
    registry.RootKey = sys::HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Database Engine", true));
    registry.WriteString("CONFIGFILE01", kxtest::EngineConfigFile);
    EXPECT_EQ(DbiInit(nullptr), DBIERR_CANTFINDIDAPI);
    registry.DeleteValue("CONFIGFILE01");
    registry.WriteString("DLLPATH", kxtest::EngineFolder);
    EXPECT_EQ(DbiInit(nullptr), DBIERR_NOCONFIGFILE);
    registry.WriteString("CONFIGFILE01", kxtest::EngineConfigFile);
    EXPECT_EQ(DbiInit(nullptr), DBIERR_NONE) << DbiLastErrorMessage();
}

TEST_F(EngineTest, AcceptsOnlyItsInterfaceVersion) {
    InstallEngine();
    EXPECT_EQ(DbiInitFn(400, nullptr), DBIERR_INTERFACEVER);
    EXPECT_EQ(DbiInitFn(DBIINTFVER, nullptr), DBIERR_NONE);
}

TEST_F(EngineTest, StartsNestAndTheLastExitStopsIt) {
    InstallEngine();
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(DbiAddAlias(nullptr, "WORK", "PARADOX", "PATH:C:\\Windows", false), DBIERR_NONE);
    EXPECT_EQ(DbiExit(), DBIERR_NONE);
    hDBIDb db = nullptr;
    EXPECT_EQ(DbiOpenDatabase("WORK", nullptr, dbiREADONLY, dbiOPENSHARED, nullptr, 0, nullptr,
                              nullptr, &db),
              DBIERR_NONE)
        << "one exit of two starts must leave the session as it was";
    EXPECT_EQ(DbiExit(), DBIERR_NONE);
    EXPECT_EQ(DbiCloseDatabase(&db), DBIERR_NOTINITIALIZED);
    EXPECT_EQ(DbiExit(), DBIERR_NOTINITIALIZED);
}

TEST_F(EngineTest, ACorruptConfigurationStopsTheStartAndStaysUntouched) {
    const std::string corrupt = "[ALIAS:OTHER]\r\nTYPE=DBASE\r\n[DRIVERS\\PARADOX\\INIT\r\n";
    InstallEngine(corrupt);
    EXPECT_EQ(DbiInit(nullptr), DBIERR_SYSCORRUPT);
    EXPECT_NE(DbiLastErrorMessage().find(std::string(kxtest::EngineConfigFile) + ":3:"),
              std::string::npos)
        << DbiLastErrorMessage();
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), corrupt);
}

TEST_F(EngineTest, AMissingConfigurationStartsWithTheParadoxDefaults) {
    InstallEngine();
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    const auto records = NodeRecords("\\DRIVERS\\PARADOX\\INIT");
    EXPECT_EQ(records, (std::vector<std::string>{"VERSION=4.0", "TYPE=FILE", "NET DIR=C:\\",
                                                 "LANGDRIVER=ascii"}));
    EXPECT_FALSE(std::filesystem::exists(ConfigHost())) << "starting writes nothing";
}

TEST_F(EngineTest, ErrorTextsNameTheResult) {
    char text[DBIMAXMSGLEN + 1];
    ASSERT_EQ(DbiGetErrorString(DBIERR_UNKNOWNDB, text), DBIERR_NONE);
    EXPECT_STREQ(text, "Unknown database.");
    ASSERT_EQ(DbiGetErrorString(0x4242, text), DBIERR_NONE);
    EXPECT_STREQ(text, "Engine error $4242.");
}

} // namespace
