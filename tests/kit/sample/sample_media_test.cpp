// The sample media as build-media.sh lays them out: disks, markers, INSTALL.CFG, the volumes of
// the installer's seven components, the upgrade archive and the installer itself.
#include "app/core/installer_state.h"
#include "kit/sample/sample_kit.h"
#include "platform/sys/ini.h"
#include "platform/zip/zip_file.h"

#include <fstream>
#include <set>
#include <sstream>

namespace kxsample {
namespace {

// The files of a medium's disks: name -> disk number (1-based); a name on two disks fails.
std::map<std::string, int> FilesByDisk(const std::vector<fs::path>& disks) {
    std::map<std::string, int> files;
    for (size_t d = 0; d < disks.size(); ++d)
        for (const auto& item : fs::directory_iterator(disks[d])) {
            const std::string name = item.path().filename().string();
            EXPECT_TRUE(item.is_regular_file()) << item.path();
            EXPECT_TRUE(files.emplace(name, static_cast<int>(d + 1)).second)
                << name << " is on two disks";
        }
    return files;
}

int DiskCountOf(const fs::path& config) {
    std::vector<std::string> lines;
    std::istringstream text(ReadFile(config));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    sys::TMemIniFile ini;
    ini.SetStrings(lines);
    return ini.ReadInteger("General", "NrDiscuri", -1);
}

// The stored names of a zip archive; fails the test when it does not open.
std::vector<std::string> EntryNames(const fs::path& archive) {
    zip::TZipFile zip;
    zip.Open(archive, zip::zmRead);
    std::vector<std::string> names;
    for (int i = 0; i < zip.FileCount(); ++i)
        names.push_back(zip.FileName(i));
    return names;
}

class SampleMedium : public SampleTest {
protected:
    void SetUp() override { RequirePrograms({"kestrix-mkmedia"}); }
};

TEST_F(SampleMedium, DisksAreNumberedAndMarkedAndTheConfigurationCountsThem) {
    for (int version : {1, 2}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto disks = DiskFolders(Kit().Medium(version));
        // The product is larger than a diskette.
        ASSERT_GE(disks.size(), 2u);
        for (size_t d = 0; d < disks.size(); ++d) {
            const std::string marker = "DISK" + std::to_string(d + 1);
            EXPECT_EQ(disks[d].filename(), marker);
            EXPECT_TRUE(fs::is_regular_file(disks[d] / marker)) << marker;
            if (d > 0) {
                EXPECT_FALSE(fs::exists(disks[d] / "INSTALL.CFG")) << marker;
            }
        }
        EXPECT_EQ(DiskCountOf(disks[0] / "INSTALL.CFG"), static_cast<int>(disks.size()));
        // Nothing lies beside the disk folders.
        size_t entries = 0;
        for ([[maybe_unused]] const auto& item : fs::directory_iterator(Kit().Medium(version)))
            ++entries;
        EXPECT_EQ(entries, disks.size());
    }
}

TEST_F(SampleMedium, EveryComponentIsCutIntoVolumesThatJoinInDiskOrder) {
    for (int version : {1, 2}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto disks = DiskFolders(Kit().Medium(version));
        auto files = FilesByDisk(disks);
        for (const auto& component : Iglobals::Components) {
            SCOPED_TRACE(component.FileName);
            const fs::path joined = Kit().NewFolder("joined") / (component.FileName + ".ZIP");
            std::ofstream out(joined, std::ios::binary);
            int previousDisk = 0, volumes = 0;
            for (int n = 1;; ++n) {
                const auto found = files.find(component.FileName + "." + std::to_string(n));
                if (found == files.end())
                    break;
                // The installer asks for the disks in order: a volume never precedes its
                // predecessor's disk.
                EXPECT_GE(found->second, previousDisk) << found->first;
                previousDisk = found->second;
                out << ReadFile(disks[found->second - 1] / found->first);
                files.erase(found);
                ++volumes;
            }
            out.close();
            ASSERT_GE(volumes, 1);
            if (component.FileName == "EXE") {
                EXPECT_GE(volumes, 2) << "the program files span several diskettes";
            }
            EXPECT_FALSE(EntryNames(joined).empty());
        }
        // What is left are the disk markers and the installer's own files, nothing else.
        std::set<std::string> rest;
        for (const auto& [name, disk] : files)
            if (name != "DISK" + std::to_string(disk))
                rest.insert(name);
        rest.erase("INSTALL.EXE");
        EXPECT_EQ(rest, (std::set<std::string>{"INSTALL.CFG", "UPGRADE.1"}));
    }
}

TEST_F(SampleMedium, DatabaseArchivesHoldOnlyTheirDataFolders) {
    // An upgrade extracts from DBNEW only entries beginning with NEW; the new installation puts
    // DBDAT beside it under the same database folder.
    const std::map<std::string, std::string> prefixes = {{"DBDAT", "DATA/"}, {"DBNEW", "NEW/"}};
    for (int version : {1, 2})
        for (const auto& [component, prefix] : prefixes) {
            SCOPED_TRACE(component + " of version " + std::to_string(version));
            const fs::path archive = Kit().NewFolder("db") / "DB.ZIP";
            fs::copy_file(DiskFolders(Kit().Medium(version)).back() / (component + ".1"), archive);
            const auto names = EntryNames(archive);
            EXPECT_FALSE(names.empty());
            for (const std::string& name : names)
                EXPECT_EQ(name.substr(0, prefix.size()), prefix) << name;
        }
}

TEST_F(SampleMedium, UpgradeArchiveSaysTheLibraryIsStillToComeUnlessOneIsGiven) {
    const fs::path built = BinDir() / "../lib/UPGRADE.DLL";
    const fs::path archive = Kit().NewFolder("upgrade") / "UPGRADE.ZIP";
    fs::copy_file(DiskFolders(Kit().Medium(1)).front() / "UPGRADE.1", archive);
    const auto names = EntryNames(archive);
    const std::string expected = fs::exists(built) ? "UPGRADE.DLL" : "README.TXT";
    EXPECT_EQ(names, std::vector<std::string>{expected});

    // A library given on the command line goes into the archive under the name the installer
    // loads, together with an installer and on one folder as on a CD.
    const fs::path tools = Kit().NewFolder("tools");
    std::ofstream(tools / "library.so", std::ios::binary) << "\x7f"
                                                             "ELF library bytes";
    std::ofstream(tools / "installer", std::ios::binary) << "#!/bin/sh\nexit 0\n";
    const fs::path medium = Kit().NewFolder("cd") / "medium";
    const auto result = RunCommand({(SourceDir() / "kit/sample/build-media.sh").string(),
                                    medium.string(), "--single-folder", "--bin", BinDir().string(),
                                    "--installer", (tools / "installer").string(),
                                    "--upgrade-library", (tools / "library.so").string()});
    ASSERT_EQ(result.Status, 0) << result.Output;
    EXPECT_EQ(DiskCountOf(medium / "INSTALL.CFG"), 1);
    EXPECT_TRUE(fs::exists(medium / "DISK1"));
    EXPECT_EQ(ReadFile(medium / "INSTALL.EXE"), ReadFile(tools / "installer"));
    EXPECT_NE(fs::status(medium / "INSTALL.EXE").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    for (const auto& component : Iglobals::Components)
        EXPECT_TRUE(fs::exists(medium / (component.FileName + ".1"))) << component.FileName;
    const fs::path upgrade = Kit().NewFolder("upgrade-cd") / "UPGRADE.ZIP";
    fs::copy_file(medium / "UPGRADE.1", upgrade);
    EXPECT_EQ(EntryNames(upgrade), std::vector<std::string>{"UPGRADE.DLL"});
    const fs::path unpacked = Kit().NewFolder("upgrade-unpacked");
    zip::TZipFile::ExtractZipFile(upgrade, unpacked);
    EXPECT_EQ(ReadFile(unpacked / "UPGRADE.DLL"), ReadFile(tools / "library.so"));
}

TEST_F(SampleMedium, InstallerOnDiskOneIsTheBuiltOneWhenItExists) {
    const fs::path built = BinDir() / "kestrix-install";
    const fs::path copied = DiskFolders(Kit().Medium(1)).front() / "INSTALL.EXE";
    if (!fs::exists(built)) {
        EXPECT_FALSE(fs::exists(copied));
        return;
    }
    EXPECT_EQ(ReadFile(copied), ReadFile(built));
}

TEST_F(SampleMedium, RefusesBadRequestsWithoutTouchingWhatIsThere) {
    const fs::path scratch = Kit().NewFolder("refusals");
    const fs::path occupied = scratch / "occupied", fresh = scratch / "fresh";
    fs::create_directories(occupied);
    std::ofstream(occupied / "keep.txt") << "the user's file";
    struct Case {
        std::string What;
        std::vector<std::string> Arguments;
        std::string Says;
    };
    const std::vector<Case> cases = {
        {"an output folder that is not empty", {occupied.string()}, "not empty"},
        {"an output file", {(occupied / "keep.txt").string()}, "not empty"},
        {"an unknown version", {fresh.string(), "--version", "3"}, "--version is 1 or 2"},
        {"a missing installer",
         {fresh.string(), "--installer", "/nonexistent/setup"},
         "no such file"},
        {"no media builder", {fresh.string(), "--bin", "/nonexistent"}, "kestrix-mkmedia"},
        {"an unknown option", {fresh.string(), "--disks", "3"}, "unknown option"},
        {"two output folders", {fresh.string(), occupied.string()}, "only one OUTDIR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        // A --bin among the case's arguments comes later and wins.
        std::vector<std::string> argv = {(SourceDir() / "kit/sample/build-media.sh").string(),
                                         "--bin", BinDir().string()};
        argv.insert(argv.end(), c.Arguments.begin(), c.Arguments.end());
        const auto result = RunCommand(argv);
        EXPECT_NE(result.Status, 0);
        EXPECT_NE(result.Output.find(c.Says), std::string::npos) << result.Output;
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(FilesBelow(occupied).size(), 1u);
        EXPECT_EQ(ReadFile(occupied / "keep.txt"), "the user's file");
    }
}

} // namespace
} // namespace kxsample
