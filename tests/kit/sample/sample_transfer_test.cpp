// The sample media through the copy step: a new installation of version 1 into a fresh prefix,
// then the upgrade to version 2, with kestrix-transfer as the installer's copy screens run it.
#include "common/temp_prefix.h"
#include "kit/sample/sample_kit.h"
#include "platform/sys/process.h"

#include <fstream>
#include <set>

namespace kxsample {
namespace {

constexpr uintmax_t RecognisedProgramSize = 6000000; // an installed copy has a larger TALVEN.EXE

class SampleTransfer : public SampleTest {
protected:
    void SetUp() override { RequirePrograms({"kestrix-mkmedia", "kestrix-transfer"}); }

    // Runs the copy step against a version's medium in the test's prefix; the disks are handed
    // in one by one.
    CommandResult Transfer(const std::string& mode, int version,
                           const std::vector<std::string>& options = {}) {
        std::vector<std::string> argv = {(BinDir() / "kestrix-transfer").string(), mode, "--quiet"};
        argv.insert(argv.end(), options.begin(), options.end());
        for (const fs::path& disk : DiskFolders(Kit().Medium(version)))
            argv.push_back(disk.string());
        return RunCommand(argv);
    }
    // Runs a command line through the platform's process launcher, as the installer runs the
    // support tools: minimised and waited for. -1 when it cannot start.
    static int64_t Launch(const std::string& commandLine) {
        const auto process = sys::CreateProcess(commandLine, 6);
        return process ? static_cast<int64_t>(sys::WaitForProcess(*process)) : -1;
    }

    fs::path ProgramFolder() const { return prefix.C("Kesvard"); }
    fs::path EngineFolder() const { return prefix.C("Program Files/Borland/Common Files/BDE"); }

    // Every file of a component folder of a version lies under destination with its content,
    // except the files named in kept, which must hold the content they had in keptFrom.
    static void ExpectComponent(int version, const std::string& component,
                                const fs::path& destination, const std::set<std::string>& kept = {},
                                int keptFrom = 0) {
        SCOPED_TRACE(component + " of version " + std::to_string(version));
        const auto files = FilesBelow(SampleKit::Instance().Tree(version) / component);
        ASSERT_FALSE(files.empty());
        for (const auto& [name, source] : files) {
            const fs::path installed = destination / name;
            ASSERT_TRUE(fs::is_regular_file(installed)) << installed;
            const fs::path expected =
                kept.count(name) ? SampleKit::Instance().Tree(keptFrom) / component / name : source;
            EXPECT_EQ(ReadFile(installed), ReadFile(expected)) << installed;
        }
    }

    // The assembled archives are removed once unpacked.
    void ExpectNoArchiveLeft() const {
        for (const auto& item : fs::directory_iterator(ProgramFolder())) {
            std::string ext = item.path().extension().string();
            for (char& c : ext)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_NE(ext, ".ZIP") << item.path();
        }
    }

    kxtest::TempPrefix prefix;
};

TEST_F(SampleTransfer, NewInstallationPutsEveryComponentInItsPlace) {
    const auto result = Transfer("install", 1);
    ASSERT_EQ(result.Status, 0) << result.Output;

    for (const char* component : {"EXE", "VORNEXA", "HELP", "PLUMETA"})
        ExpectComponent(1, component, ProgramFolder());
    for (const char* component : {"DBDAT", "DBNEW"}) // the database folder is the program's
        ExpectComponent(1, component, ProgramFolder());
    ExpectComponent(1, "BDE32", EngineFolder());
    ExpectNoArchiveLeft();

    // What the installer and the upgrade search rely on.
    EXPECT_GT(fs::file_size(ProgramFolder() / "TALVEN.EXE"), RecognisedProgramSize);
    const fs::path page = ProgramFolder() / "VerInfo" / Kit().VersionNumber(1) / "Instruct.htm";
    EXPECT_TRUE(fs::is_regular_file(page)) << page;
    EXPECT_TRUE(fs::is_regular_file(EngineFolder() / "bde.reg"));
    EXPECT_TRUE(fs::is_regular_file(ProgramFolder() / "NEW/FIRMA/LOGO.BMP"));

    // The programs run once unpacked; the support tools record what the configuration step
    // asks of them, with its command lines.
    const auto talven = RunCommand({(ProgramFolder() / "TALVEN.EXE").string()});
    EXPECT_EQ(talven.Status, 0);
    EXPECT_NE(talven.Output.find(Kit().VersionNumber(1)), std::string::npos) << talven.Output;
    EXPECT_EQ(Launch("C:\\Kesvard\\HHUPD.EXE /Q"), 0);
    EXPECT_EQ(Launch("C:\\Kesvard\\TREGSVR.EXE -Q C:\\Kesvard\\CFX32.OCX"), 0);
    EXPECT_EQ(ReadFile(prefix.C("Windows/Temp/HHUPD.log")), "/Q\n");
    EXPECT_EQ(ReadFile(prefix.C("Windows/Temp/TREGSVR.log")), "-Q C:\\Kesvard\\CFX32.OCX\n");
}

TEST_F(SampleTransfer, UpgradeReplacesTheProgramButKeepsLocalSettingsDataAndPictures) {
    const auto installed = Transfer("install", 1);
    ASSERT_EQ(installed.Status, 0) << installed.Output;
    // The user put the company's own logo in place of the sample one and protected it.
    const fs::path logo = ProgramFolder() / "NEW/FIRMA/LOGO.BMP";
    const std::string ownLogo = "BM the company's own logo";
    std::ofstream(logo, std::ios::binary | std::ios::trunc) << ownLogo;
    fs::permissions(logo, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto upgraded = Transfer("upgrade", 2, {"--type", "server"});
    ASSERT_EQ(upgraded.Status, 0) << upgraded.Output;

    // New program files, but not the program folder's own engine settings.
    ExpectComponent(2, "EXE", ProgramFolder(), {"IDAPI32.CFG"}, 1);
    EXPECT_NE(ReadFile(Kit().Tree(1) / "EXE/IDAPI32.CFG"),
              ReadFile(Kit().Tree(2) / "EXE/IDAPI32.CFG"));
    EXPECT_NE(ReadFile(Kit().Tree(1) / "EXE/TALVEN.EXE"),
              ReadFile(Kit().Tree(2) / "EXE/TALVEN.EXE"));
    EXPECT_GT(fs::file_size(ProgramFolder() / "TALVEN.EXE"), RecognisedProgramSize);
    for (const char* component : {"VORNEXA", "HELP", "PLUMETA"})
        ExpectComponent(2, component, ProgramFolder());
    EXPECT_TRUE(
        fs::is_regular_file(ProgramFolder() / "VerInfo" / Kit().VersionNumber(2) / "Instruct.htm"));

    // The empty sample database is the new one; the company logo the user had stays.
    ExpectComponent(2, "DBNEW", ProgramFolder());
    EXPECT_EQ(ReadFile(logo), ownLogo);
    std::set<std::string> expectedNew = {"NEW/FIRMA/LOGO.BMP"};
    for (const auto& [name, path] : FilesBelow(Kit().Tree(2) / "DBNEW"))
        expectedNew.insert(name);
    std::set<std::string> foundNew;
    for (const auto& [name, path] : FilesBelow(ProgramFolder() / "NEW"))
        foundNew.insert("NEW/" + name);
    EXPECT_EQ(foundNew, expectedNew);

    // The database with its examples and the engine are never touched by an upgrade.
    ExpectComponent(1, "DBDAT", ProgramFolder());
    ExpectComponent(1, "BDE32", EngineFolder());
    ExpectNoArchiveLeft();

    const auto talven = RunCommand({(ProgramFolder() / "TALVEN.EXE").string()});
    EXPECT_NE(talven.Output.find(Kit().VersionNumber(2)), std::string::npos) << talven.Output;
}

} // namespace
} // namespace kxsample
