#include "platform/sys/files.h"
#include "platform/sys/registry.h"
#include "transfer/install_copy.h"
#include "transfer/transfer_texts.h"
#include "transfer_fixture.h"

using namespace kxtest;
using namespace Iglobals;

namespace {

const Tree ExeTree = {{"TALVEN.EXE", std::string(5000, 'T')},
                      {"VerInfo/", ""},
                      {"VerInfo/3200877.01/Instruct.htm", "<html></html>"}};
const Tree DatTree = {{"DATA/FIRME.DB", "firme"}, {"DATA/OPERATOR.DB", "operator"}};
const Tree NewTree = {{"NEW/DATA/A.DB", "a"}, {"NEW/FIRMA/F.DB", "f"}, {"NEW/LUNA/L.DB", "l"}};
const Tree EngineTree = {{"IDAPI32.DLL", "engine"}, {"bde.reg", "REGEDIT4\r\n"}};
const Tree HelpTree = {{"HELP/talven.hlp", std::string(2100, 'h')}};

class InstallCopy : public TransferTest {
protected:
    // One disk in a fixed drive holding every component that has a tree.
    void MakeMedia(const std::map<std::string, Tree>& components) {
        const auto disk = Disk(1);
        for (const auto& [name, tree] : components)
            PutVolumes(name, Zip(tree), {disk});
        InsertDisk(disk, sys::DriveType::CdRom);
    }
    std::map<std::string, Tree> AllComponents() {
        return {{"EXE", ExeTree},
                {"DBDAT", DatTree},
                {"DBNEW", NewTree},
                {"BDE32", EngineTree},
                {"HELP", HelpTree}};
    }
    void SetEngineVersion(const char* version) {
        sys::TRegistry reg;
        reg.RootKey = sys::HKEY_LOCAL_MACHINE;
        ASSERT_TRUE(reg.OpenKey(TCopyEngine::EngineInitKey, true));
        if (version)
            reg.WriteString("VERSION", version);
        reg.CloseKey();
    }
    fs::path EngineFolder() { return prefix.C("Program Files/Borland/Common Files/BDE"); }
};

TEST_F(InstallCopy, ALocalInstallationPutsEveryComponentInItsPlace) {
    MakeMedia(AllComponents());
    TempPrefix::Write(prefix.C("Kesvard/OLD.ZIP"), "not from the media");
    DataPath = "C:\\Kesvard\\Date";
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);

    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/TALVEN.EXE")), ExeTree.at("TALVEN.EXE"));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/VerInfo/3200877.01/Instruct.htm")), "<html></html>");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/HELP/talven.hlp")), HelpTree.at("HELP/talven.hlp"));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/Date/DATA/FIRME.DB")), "firme");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/Date/NEW/LUNA/L.DB")), "l");
    EXPECT_EQ(ReadIfAny(EngineFolder() / "IDAPI32.DLL"), "engine");
    EXPECT_EQ(DataPath, "C:\\Kesvard\\Date\\");

    // Every archive in the program folder is gone, also the one that did not come from the media.
    EXPECT_TRUE(ListFolder("C:\\Kesvard", "*.ZIP").empty());
    EXPECT_TRUE(observer.PlainMessages.empty());
    // The optional archives are missing: their rows only show their names.
    const std::vector<std::string> captions = {TransferTexts::AssemblingCaption,
                                               "BDE32.1",
                                               "DBDAT.1",
                                               "DBNEW.1",
                                               "EXE.1",
                                               "HELP.1",
                                               "Fisiere executabile",
                                               "Vornexa TALVEN",
                                               "TALVEN: baza de date si exemple",
                                               "TALVEN: baza de date martor",
                                               "Borland Database Engine",
                                               "Help Kestrix",
                                               "Plumeta TALVEN"};
    EXPECT_EQ(observer.GroupNames, captions);
    EXPECT_EQ(observer.Instructions, (std::vector<std::string>{"C:\\Kesvard", "C:\\Kesvard"}));
    // The last archive (HELP, one entry of 2100 bytes) fills its gauge exactly.
    EXPECT_EQ(observer.UnzipMaximum, 2);
    EXPECT_EQ(observer.UnzipProgress.back(), 2);
    EXPECT_EQ(sys::GetCurrentDir(), "C:\\Kesvard");
}

TEST_F(InstallCopy, AClientInstallationNeverTouchesTheDatabase) {
    MakeMedia(AllComponents());
    InstallType = 3;
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_TRUE(fs::exists(prefix.C("Kesvard/TALVEN.EXE")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/DATA")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW")));
    EXPECT_TRUE(fs::exists(EngineFolder() / "IDAPI32.DLL"));
}

TEST_F(InstallCopy, AnExistingDatabaseIsKeptAndTheSampleDatabaseIsRenewed) {
    MakeMedia(AllComponents());
    TempPrefix::Write(prefix.C("Kesvard/DATA/FIRME.DB"), "the user's data");
    TempPrefix::Write(prefix.C("Kesvard/NEW/FIRMA/STALE.DB"), "stale");
    TempPrefix::Write(prefix.C("Kesvard/NEW/FIRMA/LOGO.BMP"), "picture");
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/DATA/FIRME.DB")), "the user's data");
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/DATA/OPERATOR.DB")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/FIRMA/STALE.DB")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/NEW/FIRMA/LOGO.BMP")));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/NEW/FIRMA/F.DB")), "f");
}

TEST_F(InstallCopy, AnInstalledEngineIsNeverOverwritten) {
    struct Case {
        const char* version; // nullptr: the INIT key without a VERSION value
        bool warned;
    } cases[] = {{"4.0", false}, {"5.01", false}, {nullptr, false}, {"3.5", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version ? c.version : "(no VERSION)");
        fs::remove_all(prefix.Root / "media");
        MakeMedia({{"EXE", ExeTree},
                   {"BDE32", EngineTree},
                   {"DBDAT", DatTree},
                   {"DBNEW", NewTree},
                   {"HELP", HelpTree}});
        SetEngineVersion(c.version);
        observer = RecordingObserver();
        TCopyEngine engine(observer);
        EXPECT_EQ(engine.Run(), 1);
        EXPECT_FALSE(fs::exists(EngineFolder()));
        EXPECT_EQ(observer.Warnings.size(), c.warned ? 1u : 0u);
        EXPECT_EQ(Ccopy::OlderEngineFound, c.warned);
        if (c.warned) {
            EXPECT_EQ(observer.Warnings[0], TransferTexts::OlderEngineWarning);
            const std::vector<std::string> headings = {
                "Pentru continuare", "Protectia aplicatiilor existente", "PENTRU CONTINUARE"};
            EXPECT_EQ(observer.Headings, headings);
        }
    }
}

TEST_F(InstallCopy, MissingArchives) {
    // Without VORNEXA and PLUMETA the copy goes on; without HELP the reader raises an error and
    // the archives stay in the program folder.
    MakeMedia({{"EXE", ExeTree}, {"DBDAT", DatTree}, {"DBNEW", NewTree}, {"BDE32", EngineTree}});
    TCopyEngine engine(observer);
    EXPECT_ANY_THROW(engine.Run());
    EXPECT_TRUE(fs::exists(prefix.C("Kesvard/TALVEN.EXE")));
    EXPECT_TRUE(fs::exists(prefix.C("Kesvard/EXE.ZIP")));
}

TEST_F(InstallCopy, ADamagedArchiveStopsTheCopyWithAnError) {
    const auto disk = Disk(1);
    std::string exe = Zip(ExeTree);
    exe[40] ^= 0x55; // inside TALVEN.EXE's data
    PutVolumes("EXE", exe, {disk});
    PutVolumes("HELP", Zip(HelpTree), {disk});
    InsertDisk(disk, sys::DriveType::Fixed);
    InstallType = 3;
    TempPrefix::Write(prefix.C("Kesvard/TALVEN.EXE"), "the installed program");
    TCopyEngine engine(observer);
    EXPECT_ANY_THROW(engine.Run());
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/TALVEN.EXE")), "the installed program");
}

TEST_F(InstallCopy, AnArchiveThatCannotBeDeletedIsReported) {
    MakeMedia({{"EXE", ExeTree}, {"HELP", HelpTree}, {"BDE32", EngineTree}});
    InstallType = 3;
    fs::create_directories(prefix.C("Kesvard/STUCK.ZIP"));
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_EQ(observer.PlainMessages,
              std::vector<std::string>{"Nu pot sterge C:\\Kesvard\\STUCK.ZIP"});
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/EXE.ZIP")));
}

TEST_F(InstallCopy, SmallEntriesLeaveTheGaugeEmpty) {
    MakeMedia({{"EXE", {{"a.txt", "tiny"}, {"b.txt", std::string(1023, 'b')}}},
               {"HELP", {{"h.txt", "h"}}},
               {"BDE32", EngineTree}});
    InstallType = 3;
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 1);
    EXPECT_EQ(observer.UnzipMaximum, 0);
    for (int64_t progress : observer.UnzipProgress)
        EXPECT_EQ(progress, 0);
}

TEST_F(InstallCopy, AProgramFolderThatCannotBeEnteredIsAnError) {
    MakeMedia({{"EXE", ExeTree}});
    DefaultProgramPath = ProgramPath = "Q:\\Nowhere";
    TCopyEngine engine(observer);
    EXPECT_ANY_THROW(engine.ExtractArchives());
}

} // namespace
