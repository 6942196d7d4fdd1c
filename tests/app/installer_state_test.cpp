#include "app/core/installer_state.h"
#include "app/core/run_program.h"
#include "common/temp_prefix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Iglobals;

namespace {

std::vector<std::string> Selected(const TCompSets& sets, uint8_t type) {
    std::vector<std::string> names;
    for (int row = 0; row < ComponentCount; ++row)
        if (InSet(sets, type, row))
            names.push_back(Components[row].FileName);
    return names;
}

using Names = std::vector<std::string>;

TEST(ComponentSets, EachInstallTypeSelectsItsRows) {
    const Names all = {"EXE", "VORNEXA", "DBDAT", "DBNEW", "BDE32", "HELP", "PLUMETA"};
    const Names client = {"EXE", "VORNEXA", "BDE32", "HELP", "PLUMETA"};
    const Names upgrade = {"EXE", "VORNEXA", "DBNEW", "HELP", "PLUMETA"};
    const Names upgradeClient = {"EXE", "VORNEXA", "HELP", "PLUMETA"};
    struct Case {
        uint8_t type;
        Names install, upgrade;
    } cases[] = {{0, {}, {}}, {1, all, upgrade}, {2, all, upgrade}, {3, client, upgradeClient}};
    for (const auto& c : cases) {
        EXPECT_EQ(Selected(InstallComponents, c.type), c.install) << int(c.type);
        EXPECT_EQ(Selected(UpgradeComponents, c.type), c.upgrade) << int(c.type);
    }
    EXPECT_TRUE(Selected(InstallComponents, 4).empty());
}

TEST(ComponentTable, RowsKeepTheirOrderNamesAndDestinations) {
    EXPECT_EQ(Components[2].CompName, "TALVEN: baza de date si exemple");
    EXPECT_EQ(Components[2].DestType, dtDatabaseDat);
    EXPECT_EQ(Components[3].DestType, dtDatabaseNew);
    EXPECT_EQ(Components[4].FileName, "BDE32");
    EXPECT_EQ(Components[4].DestType, dtProgramFiles);
    EXPECT_EQ(Components[6].CompName, "Plumeta TALVEN");
    EXPECT_EQ(AliasNames[3], "TALVEN");
    EXPECT_EQ(AliasFolders[0], "NEW\\DATA");
}

TEST(InstallerState, ResetGivesTheInitialValues) {
    InstallType = 3;
    DataPath = "D:\\x";
    DiskCount = 9;
    MediaPath = "A:";
    ResetInstallerState();
    EXPECT_EQ(InstallType, 0);
    EXPECT_FALSE(UpgradeMode);
    EXPECT_EQ(ProgramPath, "C:\\Kesvard");
    EXPECT_EQ(DefaultDataPath, "C:\\Kesvard");
    EXPECT_EQ(DataPath, "C:\\Kesvard");
    EXPECT_EQ(MediaPath, "");
    EXPECT_EQ(DiskCount, 1);
    EXPECT_DOUBLE_EQ(InstallerVersion, 3200877.01);
}

TEST(ReadInstallerConfig, DiskCountFromGeneralNrDiscuri) {
    kxtest::TempPrefix prefix;
    struct Case {
        const char* file; // nullptr: no configuration file
        int expected;
    } cases[] = {
        {nullptr, 6},
        {"[General]\r\nNrDiscuri=3\r\n", 3},
        {"[general]\r\n  nrdiscuri = 4 \r\n", 4},
        {"[Other]\r\nNrDiscuri=3\r\n", 6},
        {"[General]\r\nNrDiscuri=trei\r\n", 6},
        {"[General]\r\n", 6},
    };
    RunFolder = "C:\\work\\";
    for (const auto& c : cases) {
        std::filesystem::remove_all(prefix.C("work"));
        std::filesystem::create_directories(prefix.C("work"));
        if (c.file)
            kxtest::TempPrefix::Write(prefix.C("work/INSTTALV.CFG"), c.file);
        DiskCount = 1;
        ReadInstallerConfig();
        EXPECT_EQ(DiskCount, c.expected) << (c.file ? c.file : "(no file)");
    }
}

void WriteProgram(const std::filesystem::path& path, const std::string& script, bool executable) {
    kxtest::TempPrefix::Write(path, script);
    chmod(path.c_str(), executable ? 0755 : 0644);
}

TEST(RunProgram, ResultsForMissingFailingAndExitingPrograms) {
    kxtest::TempPrefix prefix;
    WriteProgram(prefix.C("tools/EXIT3.EXE"), "#!/bin/sh\nexit 3\n", true);
    WriteProgram(prefix.C("tools/PLAIN.EXE"), "not a program\n", false);
    WriteProgram(prefix.C("tools/TEXT.EXE"), "not a program\n", true);
    struct Case {
        const char* commandLine;
        bool wait;
        int32_t expected;
    } cases[] = {
        {"C:\\tools\\MISSING.EXE", true, -1}, {"C:\\tools\\MISSING.EXE", false, -1},
        {"C:\\tools\\EXIT3.EXE", true, 3},    {"C:\\tools\\exit3.exe /Q", true, 3},
        {"C:\\tools\\EXIT3", true, 3},        {"C:\\tools\\EXIT3.EXE", false, 0},
        {"C:\\tools\\PLAIN.EXE", true, -1},   {"C:\\tools\\TEXT.EXE", true, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunProgram(c.commandLine, SW_MINIMIZE, c.wait), c.expected)
            << c.commandLine << (c.wait ? " (wait)" : "");
}

} // namespace
