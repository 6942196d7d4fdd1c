#include "transfer/install_copy.h"
#include "transfer/transfer_texts.h"
#include "transfer/upgrade_copy.h"
#include "transfer_fixture.h"

using namespace kxtest;
using namespace Iglobals;

namespace {

using Assembly = TransferTest;

TEST_F(Assembly, VolumeNamesFollowTheInstallTypesComponents) {
    TCopyEngine install(observer);
    TUpgCopyEngine upgrade(observer);
    struct Case {
        const char* name;
        uint8_t type;
        bool install, upgrade;
    } cases[] = {
        {"EXE.1", 1, true, true},     {"exe.2", 1, true, true},
        {"EXE.ZIP", 1, false, false}, {"README.TXT", 1, false, false},
        {"EXE.1A", 1, false, false},  {"EXE", 1, false, false},
        {"EXE.X.3", 1, true, true},   {"DBDAT.1", 1, true, false},
        {"DBDAT.1", 3, false, false}, {"BDE32.4", 3, true, false},
        {"DBNEW.1", 2, true, true},   {"DBNEW.1", 3, false, false},
        {"EXEC.1", 1, false, false},  {"PLUMETA.10", 3, true, true},
        {"EXE.1", 0, false, false},   {".1", 1, false, false},
    };
    for (const auto& c : cases) {
        InstallType = c.type;
        EXPECT_EQ(install.IsVolumeName(c.name), c.install) << c.name << " type " << int(c.type);
        EXPECT_EQ(upgrade.IsVolumeName(c.name), c.upgrade) << c.name << " type " << int(c.type);
    }
}

TEST_F(Assembly, VolumesOfADiskJoinInCaseInsensitiveTextOrder) {
    const auto disk = Disk(1);
    for (const char* name : {"EXE.2", "exe.10", "Exe.1", "HELP.1", "README.TXT", "EXE.ZIP"})
        TempPrefix::Write(disk / name, std::string("<") + name + ">");
    InsertDisk(disk, sys::DriveType::Fixed);
    DiskCount = 6;
    TCopyEngine engine(observer);
    ASSERT_TRUE(engine.AssembleArchives());

    EXPECT_EQ(DiskCount, 1) << "media that are not removable are one disk";
    EXPECT_EQ(MediaPath, "A:");
    const std::vector<std::string> captions = {TransferTexts::AssemblingCaption, "Exe.1", "exe.10",
                                               "EXE.2", "HELP.1"};
    EXPECT_EQ(observer.GroupNames, captions);
    // "Exe.1" starts Exe.ZIP; the others are appended whatever their case.
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/Exe.ZIP")), "<Exe.1><exe.10><EXE.2>");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/HELP.ZIP")), "<HELP.1>");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/README.ZIP")), "<missing>");
    EXPECT_EQ(Ccopy::JoinedVolumes, 4);
    EXPECT_EQ(observer.CopyMaximum, 1);
    // The gauge is given the volumes joined so far (4) and clamps them to its maximum itself.
    EXPECT_EQ(observer.CopyProgress, (std::vector<int64_t>{0, 1, 4}));
    EXPECT_TRUE(observer.DiskPrompts.empty());
    EXPECT_EQ(observer.Headings, std::vector<std::string>{"Pentru continuare"});
}

TEST_F(Assembly, DisksAreAskedForInTurnAndAFirstVolumeRestartsItsArchive) {
    const auto one = Disk(1), two = Disk(2), three = Disk(3);
    TempPrefix::Write(one / "EXE.1", "a");
    TempPrefix::Write(one / "HELP.1", "h1");
    TempPrefix::Write(two / "EXE.2", "b");
    TempPrefix::Write(two / "HELP.2", "h2");
    TempPrefix::Write(three / "EXE.1", "fresh");
    InsertDisk(one);
    observer.NextDisks = {two, three};
    DiskCount = 3;
    TCopyEngine engine(observer);
    ASSERT_TRUE(engine.AssembleArchives());

    EXPECT_EQ(observer.DiskPrompts,
              (std::vector<std::string>{"introdu discul de instalare cu numarul \r2",
                                        "introdu discul de instalare cu numarul \r3"}));
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/EXE.ZIP")), "fresh");
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/HELP.ZIP")), "h1h2");
    EXPECT_EQ(observer.CopyMaximum, 3);
    // After each disk the gauge shows the volumes joined so far, not the disk's number.
    EXPECT_EQ(observer.CopyProgress, (std::vector<int64_t>{0, 1, 2, 2, 4, 3, 5}));
}

TEST_F(Assembly, CancellingAtADiskKeepsWhatWasJoined) {
    const auto one = Disk(1), two = Disk(2);
    TempPrefix::Write(one / "EXE.1", "a");
    TempPrefix::Write(two / "EXE.2", "b");
    InsertDisk(one);
    observer.NextDisks = {two, one}; // the user puts disk 1 back when asked for disk 3
    DiskCount = 6;
    TCopyEngine engine(observer);
    EXPECT_EQ(engine.Run(), 2);
    EXPECT_EQ(observer.DiskPrompts.size(), 3u) << "disk 3 is asked for again after a wrong disk";
    EXPECT_EQ(ReadIfAny(prefix.C("Kesvard/EXE.ZIP")), "ab");
    EXPECT_TRUE(observer.UnzipProgress.empty()) << "nothing is extracted";
}

TEST_F(Assembly, AVolumeWithoutItsFirstPartAddsNothing) {
    const auto one = Disk(1);
    TempPrefix::Write(one / "EXE.2", "orphan");
    InsertDisk(one);
    TCopyEngine engine(observer);
    ASSERT_TRUE(engine.AssembleArchives());
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/EXE.ZIP")));
    EXPECT_EQ(Ccopy::JoinedVolumes, 1) << "a failed join still counts";
}

TEST_F(Assembly, UpgradeJoinsWithItsOwnCounterAndComponents) {
    const auto one = Disk(1);
    for (const char* name : {"EXE.1", "DBDAT.1", "BDE32.1", "DBNEW.1"})
        TempPrefix::Write(one / name, name);
    InsertDisk(one);
    InstallType = 2;
    Ccopy::JoinedVolumes = 7;
    TUpgCopyEngine engine(observer);
    ASSERT_TRUE(engine.AssembleArchives());
    EXPECT_EQ(Cupgcopy::JoinedVolumes, 2);
    EXPECT_EQ(Ccopy::JoinedVolumes, 7);
    EXPECT_TRUE(fs::exists(prefix.C("Kesvard/DBNEW.ZIP")));
    EXPECT_FALSE(fs::exists(prefix.C("Kesvard/DBDAT.ZIP")));
}

TEST(EngineVersionNumber, TakesTheWholeNumberPart) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"", 0},    {"4.0", 4},   {"5.01", 5},  {"3.5", 3},  {"4,2", 4},
                 {"12", 12}, {"5.1,2", 5}, {"3,5.1", 3}, {"v4.0", 4}, {".5", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TCopyEngine::EngineVersionNumber(c.text), c.value) << c.text;
    // A number too long for an integer does not wrap around into an "older" engine.
    EXPECT_GE(TCopyEngine::EngineVersionNumber("99999999999999999999"), 4);
}

TEST(ZipProgress, TheGaugeCountsWholeKilobytesPerEntry) {
    RecordingObserver observer;
    TCopyEngine engine(observer);
    zip::TZipHeader first, second;
    first.UncompressedSize = 1500;
    second.UncompressedSize = 3000;
    engine.HandleZipProgress(nullptr, "a", first, 1000);
    engine.HandleZipProgress(nullptr, "a", first, 1500);
    engine.HandleZipProgress(nullptr, "b", second, 2047);
    engine.HandleZipProgress(nullptr, "b", second, 3000);
    EXPECT_EQ(observer.UnzipProgress, (std::vector<int64_t>{0, 1, 2, 3}));
    EXPECT_EQ(engine.ZipProgres, 3);
    EXPECT_EQ(observer.MessagePasses, 0);

    TUpgCopyEngine upgrade(observer);
    upgrade.HandleZipProgress(nullptr, "a", first, 1500);
    EXPECT_EQ(observer.MessagePasses, 1) << "the upgrade lets pending messages run";
}

} // namespace
