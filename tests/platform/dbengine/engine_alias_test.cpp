// Aliases: added, saved, found again after a restart, opened; other products' entries kept.
#include "engine_fixture.h"

namespace {

using namespace dbe;
using kxtest::EngineTest;
using kxtest::TempPrefix;

// Another product's configuration as it may lie on a machine: its own alias and driver, a
// section the engine does not know, comments and odd spacing.
const std::string OtherProducts = "; written by another product's setup\r\n"
                                  "[ALIAS:LEDGER]\r\n"
                                  "TYPE = DBASE\r\n"
                                  "PATH=D:\\Ledger\\Data\r\n"
                                  "LANGDRIVER=db437us0\r\n"
                                  "\r\n"
                                  "[DRIVERS\\PARADOX\\INIT]\r\n"
                                  "VERSION=4.0\r\n"
                                  "NET DIR=C:\\\r\n"
                                  "\r\n"
                                  "[VENDOR\\PRIVATE]\r\n"
                                  "Blob=  keep  my spacing  \r\n";

const char* const Aliases[][2] = {
    {"TALVENALIAS", "C:\\Kesvard\\Date\\NEW\\DATA"},
    {"FIRMAALIAS", "C:\\Kesvard\\Date\\NEW\\FIRMA"},
    {"LUNAALIAS", "C:\\Kesvard\\Date\\NEW\\LUNA"},
    {"TALVEN", "C:\\Kesvard\\Date\\DATA"},
};

DBIResult OpenTalven(hDBIDb& db) {
    return DbiOpenDatabase("TALVEN", nullptr, dbiREADONLY, dbiOPENSHARED, nullptr, 0, nullptr,
                           nullptr, &db);
}

void AddProductAliases() {
    for (const auto& alias : Aliases)
        ASSERT_EQ(DbiAddAlias(nullptr, alias[0], "PARADOX",
                              (std::string("PATH:") + alias[1]).c_str(), true),
                  DBIERR_NONE)
            << DbiLastErrorMessage();
}

TEST_F(EngineTest, SavedAliasesSurviveARestartAndOtherProductsStayByteForByte) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE) << DbiLastErrorMessage();
    ASSERT_EQ(DbiExit(), DBIERR_NONE);

    const std::string saved = TempPrefix::Read(ConfigHost());
    EXPECT_EQ(saved.substr(0, OtherProducts.size()), OtherProducts);
    EXPECT_NE(saved.find("[ALIAS:TALVEN]\r\nTYPE=PARADOX\r\nPATH=C:\\Kesvard\\Date\\DATA\r\n"),
              std::string::npos)
        << saved;

    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    EXPECT_EQ(NodeRecords("\\DATABASES\\TALVEN\\DB INFO"),
              (std::vector<std::string>{"TYPE=PARADOX", "PATH=C:\\Kesvard\\Date\\DATA"}));
    EXPECT_EQ(NodeRecords("\\DATABASES").size(), 5u);
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), saved) << "saving again changes nothing";
}

TEST_F(EngineTest, AddingAnAliasAgainMovesItWithoutDuplicating) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    ASSERT_EQ(DbiAddAlias(nullptr, "talven", "PARADOX", "PATH:E:\\Date\\DATA", true), DBIERR_NONE);
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    const std::string saved = TempPrefix::Read(ConfigHost());
    EXPECT_EQ(saved.find("[ALIAS:TALVEN]"), saved.rfind("[ALIAS:TALVEN]"));
    EXPECT_NE(saved.find("PATH=E:\\Date\\DATA"), std::string::npos);
    EXPECT_EQ(saved.find("C:\\Kesvard\\Date\\DATA"), std::string::npos);
    // Another product's alias is not taken over by a different driver.
    EXPECT_EQ(DbiAddAlias(nullptr, "LEDGER", "PARADOX", "PATH:C:\\x", true), DBIERR_NAMENOTUNIQUE);
}

TEST_F(EngineTest, OpensTalvenOnlyWhenConfiguredAndItsFolderExists) {
    InstallEngine();
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    hDBIDb db = nullptr;
    EXPECT_EQ(OpenTalven(db), DBIERR_UNKNOWNDB);
    EXPECT_EQ(db, nullptr);

    AddProductAliases();
    EXPECT_EQ(OpenTalven(db), DBIERR_INVALIDDIR);
    EXPECT_NE(DbiLastErrorMessage().find("C:\\Kesvard\\Date\\DATA"), std::string::npos);

    std::filesystem::create_directories(Prefix.C("Kesvard/Date/DATA"));
    ASSERT_EQ(OpenTalven(db), DBIERR_NONE) << DbiLastErrorMessage();
    EXPECT_NE(db, nullptr);
    hDBIDb copy = db;
    EXPECT_EQ(DbiCloseDatabase(&db), DBIERR_NONE);
    EXPECT_EQ(db, nullptr);
    EXPECT_EQ(DbiCloseDatabase(&copy), DBIERR_INVALIDHNDL) << "a closed handle stays invalid";
}

TEST_F(EngineTest, AnInstalledCopyIsFoundByAnotherStartOfTheEngine) {
    InstallEngine();
    std::filesystem::create_directories(Prefix.C("Kesvard/Date/DATA"));
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    hDBIDb db = nullptr;
    ASSERT_EQ(DbiExit(), DBIERR_NONE); // never saved: the aliases are gone
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    EXPECT_EQ(OpenTalven(db), DBIERR_UNKNOWNDB);
    AddProductAliases();
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    ASSERT_EQ(DbiExit(), DBIERR_NONE);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    EXPECT_EQ(OpenTalven(db), DBIERR_NONE) << DbiLastErrorMessage();
}

TEST_F(EngineTest, SessionAliasesAreNeverStored) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(DbiAddAlias(nullptr, "SCRATCH", "PARADOX", "PATH:C:\\Windows", false), DBIERR_NONE);
    EXPECT_EQ(NodeRecords("\\DATABASES\\SCRATCH\\DB INFO", cfgSession),
              (std::vector<std::string>{"TYPE=PARADOX", "PATH=C:\\Windows"}));
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), OtherProducts);
}

TEST_F(EngineTest, SavingKeepsWhatAnotherProgramWroteMeanwhile) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    const std::string meanwhile =
        OtherProducts + "[ALIAS:PAYROLL]\r\nTYPE=PARADOX\r\nPATH=F:\\P\r\n";
    TempPrefix::Write(ConfigHost(), meanwhile);
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    const std::string saved = TempPrefix::Read(ConfigHost());
    EXPECT_EQ(saved.substr(0, meanwhile.size()), meanwhile);
    EXPECT_NE(saved.find("[ALIAS:TALVEN]"), std::string::npos);
}

TEST_F(EngineTest, ASaveNeverWritesOverAFileItCannotParse) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    const std::string damaged = OtherProducts + "garbage without equals\r\n";
    TempPrefix::Write(ConfigHost(), damaged);
    EXPECT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_SYSCORRUPT);
    EXPECT_NE(DbiLastErrorMessage().find("IDAPI32.CFG:13:"), std::string::npos)
        << DbiLastErrorMessage();
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), damaged);
}

TEST_F(EngineTest, ASaveIntoAMissingFolderFailsAndIsNotLost) {
    InstallEngine();
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    AddProductAliases();
    std::filesystem::rename(EngineHost(), Prefix.C("Program Files/Borland/moved"));
    EXPECT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_CFGCANNOTWRITE);
    std::filesystem::rename(Prefix.C("Program Files/Borland/moved"), EngineHost());
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE) << "the aliases were kept";
    EXPECT_NE(TempPrefix::Read(ConfigHost()).find("[ALIAS:LUNAALIAS]"), std::string::npos);
}

struct BadAlias {
    const char* Name;
    const char* Driver;
    const char* Params;
    DBIResult Expected;
};

TEST_F(EngineTest, RefusesAliasesTheFileCouldNotHold) {
    InstallEngine(OtherProducts);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    const BadAlias cases[] = {
        {"", "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {nullptr, "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {"A]B", "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {"A\\B", "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {"THIS_ALIAS_NAME_IS_LONGER_THAN_31", "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {" PADDED", "PARADOX", "PATH:C:\\x", DBIERR_INVALIDPARAM},
        {"GOOD", "PARADOX", "PATH:C:\\x\r\n[ALIAS:EVIL]", DBIERR_INVALIDPARAM},
        {"GOOD", "PARADOX", "PATHONLY", DBIERR_INVALIDPARAM},
        {"GOOD", "PARADOX", "TYPE:DBASE", DBIERR_INVALIDPARAM},
        {"GOOD", "PARADOX", "PA=TH:C:\\x", DBIERR_INVALIDPARAM},
        {"GOOD", "NOSUCHDRIVER", "PATH:C:\\x", DBIERR_UNKNOWNDRIVER},
    };
    for (const BadAlias& bad : cases)
        EXPECT_EQ(DbiAddAlias(nullptr, bad.Name, bad.Driver, bad.Params, true), bad.Expected)
            << (bad.Name ? bad.Name : "(null)") << " " << bad.Params;
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), OtherProducts);
}

TEST_F(EngineTest, CallsBeforeTheStartFail) {
    hDBIDb db = nullptr;
    hDBICur cursor = nullptr;
    EXPECT_EQ(OpenTalven(db), DBIERR_NOTINITIALIZED);
    EXPECT_EQ(DbiAddAlias(nullptr, "TALVEN", "PARADOX", "PATH:C:\\x", true), DBIERR_NOTINITIALIZED);
    EXPECT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NOTINITIALIZED);
    EXPECT_EQ(DbiOpenCfgInfoList(nullptr, dbiREADWRITE, cfgPersistent, "\\DRIVERS", &cursor),
              DBIERR_NOTINITIALIZED);
}

} // namespace
