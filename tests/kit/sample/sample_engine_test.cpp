// The sample's database engine as the configuration step meets it: bde.reg, filled in with the
// program files folder and imported, makes an engine that starts with the sample configuration
// file, takes the product's aliases and opens the product's database.
#include "common/temp_prefix.h"
#include "kit/sample/sample_kit.h"
#include "platform/dbengine/engine_config.h"
#include "platform/dbengine/engine_install.h"
#include "platform/dbengine/idapi.h"
#include "platform/sys/ascii.h"
#include "platform/sys/registry.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace kxsample {
namespace {

constexpr const char* Token = "$ProgDir$";

std::string RegistryString(const std::string& key, const std::string& name) {
    sys::TRegistry registry;
    registry.RootKey = sys::HKEY_LOCAL_MACHINE;
    if (!registry.OpenKeyReadOnly(key) || !registry.ValueExists(name))
        return "<missing>";
    return registry.ReadString(name);
}

class SampleEngine : public SampleTest {
protected:
    void TearDown() override {
        while (dbe::DbiExit() == dbe::DBIERR_NONE) {
        }
    }

    // Puts the engine's archive content where a new installation unpacks it, fills "$ProgDir$"
    // in as the configuration step does (the first token of a line, backslashes doubled) and
    // imports the result. Returns the program files folder.
    std::string InstallAndRegister() {
        const std::string programFiles =
            RegistryString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
        const fs::path host = prefix.Root / "drive_c/Program Files/Borland/Common Files/BDE";
        fs::create_directories(host);
        for (const auto& [name, source] : FilesBelow(Kit().Tree(1) / "BDE32"))
            fs::copy_file(source, host / name);

        std::string escaped;
        for (char c : programFiles)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        std::istringstream original(ReadFile(host / "bde.reg"));
        std::string filled;
        for (std::string line; std::getline(original, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const size_t at = line.find(Token);
            if (at != std::string::npos) {
                // A second token on a line would stay unfilled.
                EXPECT_EQ(line.find(Token, at + 1), std::string::npos) << line;
                line.replace(at, std::strlen(Token), escaped);
            }
            filled += line + "\r\n";
        }
        std::ofstream(host / "bde.reg", std::ios::binary) << filled;
        sys::ImportRegFile((host / "bde.reg").string());
        return programFiles;
    }

    kxtest::TempPrefix prefix;
};

TEST_F(SampleEngine, RegistryFileIsWindowsTextWithOneFolderTokenPerLine) {
    const std::string text = ReadFile(Kit().Tree(1) / "BDE32/bde.reg");
    EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u);
    size_t tokens = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "line end at byte " << i;
        }
        tokens += text.compare(i, std::strlen(Token), Token) == 0;
    }
    EXPECT_GE(tokens, 2u); // at least the engine's folder and its configuration file
}

TEST_F(SampleEngine, ImportedRegistryFileRegistersTheEngineTheInstallerExpects) {
    const std::string programFiles = InstallAndRegister();
    const std::string engine = programFiles + "\\Borland\\Common Files\\BDE";

    sys::TRegistry registry;
    registry.RootKey = sys::HKEY_LOCAL_MACHINE;
    // Its presence tells a later installation that an engine was registered before.
    EXPECT_TRUE(registry.KeyExists("\\Software\\Borland\\BLW32"));
    EXPECT_EQ(RegistryString("\\Software\\Borland\\Database Engine", "UseCount"), "1");
    EXPECT_EQ(
        RegistryString("\\Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT", "VERSION"),
        "5.01");

    dbe::EngineInstallation found;
    std::string reason;
    ASSERT_EQ(dbe::FindEngineInstallation(found, reason), dbe::DBIERR_NONE) << reason;
    EXPECT_TRUE(sys::EqualsNoCase(found.DllFolder, engine)) << found.DllFolder;
    EXPECT_TRUE(sys::EqualsNoCase(found.ConfigFile, engine + "\\IDAPI32.CFG")) << found.ConfigFile;
}

TEST_F(SampleEngine, RegisteredEngineTakesTheProductsAliasesAndOpensItsDatabase) {
    InstallAndRegister();
    const fs::path data = prefix.Root / "drive_c/Kesvard/DATA";
    fs::create_directories(data);

    ASSERT_EQ(dbe::DbiInit(nullptr), dbe::DBIERR_NONE) << dbe::DbiLastErrorMessage();
    ASSERT_EQ(dbe::DbiAddAlias(nullptr, "TALVEN", "PARADOX", "PATH:C:\\Kesvard\\DATA", true),
              dbe::DBIERR_NONE)
        << dbe::DbiLastErrorMessage();
    ASSERT_EQ(dbe::DbiCfgSave(nullptr, nullptr, false), dbe::DBIERR_NONE)
        << dbe::DbiLastErrorMessage();

    // The PARADOX driver's NET DIR is there for the configuration step to point elsewhere.
    dbe::hDBICur cursor = nullptr;
    ASSERT_EQ(dbe::DbiOpenCfgInfoList(nullptr, dbe::dbiREADWRITE, dbe::cfgPersistent,
                                      "\\DRIVERS\\PARADOX\\INIT", &cursor),
              dbe::DBIERR_NONE);
    bool netDir = false;
    dbe::CFGDesc record{};
    while (dbe::DbiGetNextRecord(cursor, dbe::dbiNOLOCK, &record, nullptr) == dbe::DBIERR_NONE)
        netDir = netDir || sys::EqualsNoCase(record.szNodeName, "NET DIR");
    dbe::DbiCloseCursor(&cursor);
    EXPECT_TRUE(netDir);
    ASSERT_EQ(dbe::DbiExit(), dbe::DBIERR_NONE);

    // A later run finds the saved alias: the upgrade detection opens it.
    ASSERT_EQ(dbe::DbiInit(nullptr), dbe::DBIERR_NONE) << dbe::DbiLastErrorMessage();
    dbe::hDBIDb database = nullptr;
    EXPECT_EQ(dbe::DbiOpenDatabase("TALVEN", nullptr, dbe::dbiREADONLY, dbe::dbiOPENSHARED, nullptr,
                                   0, nullptr, nullptr, &database),
              dbe::DBIERR_NONE)
        << dbe::DbiLastErrorMessage();
    dbe::DbiCloseDatabase(&database);
}

TEST_F(SampleEngine, ProgramFolderSettingsAreInTheEnginesFormat) {
    for (int version : {1, 2}) {
        const fs::path file = Kit().Tree(version) / "EXE/IDAPI32.CFG";
        EXPECT_NO_THROW(dbe::EngineConfig::Parse(ReadFile(file), file.string())) << file;
    }
}

} // namespace
} // namespace kxsample
