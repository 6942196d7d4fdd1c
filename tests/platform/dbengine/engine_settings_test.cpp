// Driver settings through the configuration cursor, as the installer sets the PARADOX
// driver's "NET DIR".
#include "engine_fixture.h"

#include <cstring>
#include <strings.h>

namespace {

using namespace dbe;
using kxtest::EngineTest;
using kxtest::TempPrefix;

const std::string Configuration = "[ALIAS:LEDGER]\r\n"
                                  "TYPE=DBASE\r\n"
                                  "PATH=D:\\Ledger\r\n"
                                  "[DRIVERS\\PARADOX\\INIT]\r\n"
                                  "VERSION=4.0\r\n"
                                  "Net Dir = C:\\\r\n"
                                  "LANGDRIVER=ascii\r\n"
                                  "; tuned by hand\r\n";

// The installer's steps: walk the records with a write lock and change the one named
// "NET DIR" (the path written with doubled backslashes, as a C string literal would be).
DBIResult SetNetDir(const char* folder, CFGMode mode = cfgPersistent) {
    hDBICur cursor = nullptr;
    DBIResult result =
        DbiOpenCfgInfoList(nullptr, dbiREADWRITE, mode, "\\\\DRIVERS\\\\PARADOX\\\\INIT", &cursor);
    if (result != DBIERR_NONE)
        return result;
    result = DbiSetToBegin(cursor);
    CFGDesc desc{};
    while (result == DBIERR_NONE &&
           (result = DbiGetNextRecord(cursor, dbiWRITELOCK, &desc, nullptr)) == DBIERR_NONE) {
        if (strcasecmp(desc.szNodeName, "NET DIR") == 0) {
            std::strcpy(desc.szValue, folder);
            result = DbiModifyRecord(cursor, &desc, true);
            break;
        }
    }
    DbiCloseCursor(&cursor);
    return result;
}

TEST_F(EngineTest, NetDirChangesThroughThePersistentCursorAtOnce) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(SetNetDir("C:\\Kesvard\\Date\\"), DBIERR_NONE) << DbiLastErrorMessage();
    std::string expected = Configuration;
    expected.replace(expected.find("Net Dir = C:\\"), 13, "Net Dir=C:\\Kesvard\\Date\\");
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), expected) << "written without DbiCfgSave";

    ASSERT_EQ(DbiExit(), DBIERR_NONE);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    EXPECT_EQ(NodeRecords("\\DRIVERS\\PARADOX\\INIT"),
              (std::vector<std::string>{"VERSION=4.0", "Net Dir=C:\\Kesvard\\Date\\",
                                        "LANGDRIVER=ascii"}));
}

TEST_F(EngineTest, ASettingChangeDoesNotStoreAliasesThatWereNotSaved) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(DbiAddAlias(nullptr, "TALVEN", "PARADOX", "PATH:C:\\Kesvard\\Date\\DATA", true),
              DBIERR_NONE);
    ASSERT_EQ(SetNetDir("D:\\Net\\"), DBIERR_NONE);
    const std::string written = TempPrefix::Read(ConfigHost());
    EXPECT_EQ(written.find("TALVEN"), std::string::npos);
    EXPECT_NE(written.find("Net Dir=D:\\Net\\"), std::string::npos);
    ASSERT_EQ(DbiCfgSave(nullptr, nullptr, false), DBIERR_NONE);
    EXPECT_NE(TempPrefix::Read(ConfigHost()).find("[ALIAS:TALVEN]"), std::string::npos);
}

TEST_F(EngineTest, ASessionCursorChangesOnlyThisSession) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(SetNetDir("S:\\", cfgSession), DBIERR_NONE);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), Configuration);
    EXPECT_EQ(NodeRecords("\\DRIVERS\\PARADOX\\INIT", cfgSession)[1], "Net Dir=S:\\");
    EXPECT_EQ(NodeRecords("\\DRIVERS\\PARADOX\\INIT", cfgPersistent)[1], "Net Dir=C:\\");
}

TEST_F(EngineTest, AFreshEngineGetsItsNetDirWithTheDefaults) {
    InstallEngine();
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    ASSERT_EQ(SetNetDir("C:\\Date\\"), DBIERR_NONE);
    const std::string written = TempPrefix::Read(ConfigHost());
    EXPECT_NE(written.find("[DRIVERS\\PARADOX\\INIT]\r\nVERSION=4.0\r\nTYPE=FILE\r\n"
                           "NET DIR=C:\\Date\\\r\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("[DRIVERS\\PARADOX\\TABLE CREATE]"), std::string::npos);
}

TEST_F(EngineTest, TheCursorReportsItsEndAndItsNodes) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    EXPECT_EQ(NodeRecords("\\DRIVERS"), std::vector<std::string>{"PARADOX\\"});
    hDBICur cursor = nullptr;
    EXPECT_EQ(
        DbiOpenCfgInfoList(nullptr, dbiREADONLY, cfgPersistent, "\\DRIVERS\\ORACLE\\INIT", &cursor),
        DBIERR_OBJNOTFOUND);
    ASSERT_EQ(DbiOpenCfgInfoList(nullptr, dbiREADONLY, cfgPersistent, "\\DRIVERS\\PARADOX\\INIT",
                                 &cursor),
              DBIERR_NONE);
    CFGDesc desc{};
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(DbiGetNextRecord(cursor, dbiNOLOCK, &desc, nullptr), DBIERR_NONE);
    EXPECT_EQ(DbiGetNextRecord(cursor, dbiNOLOCK, &desc, nullptr), DBIERR_EOF);
    EXPECT_EQ(DbiGetNextRecord(cursor, dbiNOLOCK, &desc, nullptr), DBIERR_EOF);
    ASSERT_EQ(DbiSetToBegin(cursor), DBIERR_NONE);
    ASSERT_EQ(DbiGetNextRecord(cursor, dbiNOLOCK, &desc, nullptr), DBIERR_NONE);
    EXPECT_STREQ(desc.szNodeName, "VERSION");
    EXPECT_EQ(desc.iDataType, fldFLOAT);
    EXPECT_FALSE(desc.bHasSubnodes);
    hDBICur copy = cursor;
    ASSERT_EQ(DbiCloseCursor(&cursor), DBIERR_NONE);
    EXPECT_EQ(DbiGetNextRecord(copy, dbiNOLOCK, &desc, nullptr), DBIERR_INVALIDHNDL);
}

TEST_F(EngineTest, RefusesChangesTheCursorCannotMake) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    hDBICur cursor = nullptr;
    CFGDesc desc{};

    ASSERT_EQ(DbiOpenCfgInfoList(nullptr, dbiREADONLY, cfgPersistent, "\\DRIVERS\\PARADOX\\INIT",
                                 &cursor),
              DBIERR_NONE);
    ASSERT_EQ(DbiGetNextRecord(cursor, dbiWRITELOCK, &desc, nullptr), DBIERR_NONE);
    EXPECT_EQ(DbiModifyRecord(cursor, &desc, true), DBIERR_TABLEREADONLY);
    DbiCloseCursor(&cursor);

    ASSERT_EQ(DbiOpenCfgInfoList(nullptr, dbiREADWRITE, cfgPersistent, "\\DRIVERS\\PARADOX\\INIT",
                                 &cursor),
              DBIERR_NONE);
    EXPECT_EQ(DbiModifyRecord(cursor, &desc, true), DBIERR_NOCURRREC);
    ASSERT_EQ(DbiGetNextRecord(cursor, dbiWRITELOCK, &desc, nullptr), DBIERR_NONE);
    CFGDesc bad = desc;
    std::strcpy(bad.szValue, "5.0\r\n[ALIAS:EVIL]");
    EXPECT_EQ(DbiModifyRecord(cursor, &bad, true), DBIERR_INVALIDPARAM);
    bad = desc;
    std::memset(bad.szValue, 'x', sizeof bad.szValue); // no terminator
    EXPECT_EQ(DbiModifyRecord(cursor, &bad, true), DBIERR_INVALIDPARAM);
    bad = desc;
    std::strcpy(bad.szNodeName, "LANGDRIVER");
    EXPECT_EQ(DbiModifyRecord(cursor, &bad, true), DBIERR_INVALIDPARAM);
    DbiCloseCursor(&cursor);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), Configuration);
}

TEST_F(EngineTest, ASettingChangeNeverWritesOverAFileItCannotParse) {
    InstallEngine(Configuration);
    ASSERT_EQ(DbiInit(nullptr), DBIERR_NONE);
    const std::string damaged = "[DRIVERS\\PARADOX\\INIT]\r\nNET DIR=C:\\\r\n[broken\r\n";
    TempPrefix::Write(ConfigHost(), damaged);
    EXPECT_EQ(SetNetDir("C:\\Kesvard\\"), DBIERR_SYSCORRUPT);
    EXPECT_NE(DbiLastErrorMessage().find("IDAPI32.CFG:3:"), std::string::npos);
    EXPECT_EQ(TempPrefix::Read(ConfigHost()), damaged);
}

} // namespace
