#include "app/core/installer_state.h"

#include "platform/sys/files.h"
#include "platform/sys/ini.h"

namespace Iglobals {

const std::array<TCompRecord, ComponentCount> Components = {{
    {"EXE", "Fisiere executabile", dtProgram},
    {"VORNEXA", "Vornexa TALVEN", dtProgram},
    {"DBDAT", "TALVEN: baza de date si exemple", dtDatabaseDat},
    {"DBNEW", "TALVEN: baza de date martor", dtDatabaseNew},
    {"BDE32", "Borland Database Engine", dtProgramFiles},
    {"HELP", "Help Kestrix", dtProgram},
    {"PLUMETA", "Plumeta TALVEN", dtProgram},
}};

namespace {
constexpr TCompSet Rows(std::initializer_list<int> rows) {
    TCompSet set = 0;
    for (int row : rows)
        set |= static_cast<TCompSet>(1u << row);
    return set;
}
// Rows: 0 EXE, 1 VORNEXA, 2 DBDAT, 3 DBNEW, 4 BDE32, 5 HELP, 6 PLUMETA.
constexpr TCompSet NewLocalServer = Rows({0, 1, 2, 3, 4, 5, 6});
constexpr TCompSet NewClient = Rows({0, 1, 4, 5, 6});
constexpr TCompSet UpgradeLocalServer = Rows({0, 1, 3, 5, 6});
constexpr TCompSet UpgradeClient = Rows({0, 1, 5, 6});
} // namespace

const TCompSets InstallComponents = {0, NewLocalServer, NewLocalServer, NewClient};
const TCompSets UpgradeComponents = {0, UpgradeLocalServer, UpgradeLocalServer, UpgradeClient};

bool InSet(const TCompSets& sets, uint8_t installType, int row) {
    if (installType >= sets.size() || row < 0 || row >= ComponentCount)
        return false;
    return (sets[installType] >> row) & 1u;
}

const std::array<std::string, AliasCount> AliasNames = {"TALVENALIAS", "FIRMAALIAS", "LUNAALIAS",
                                                        "TALVEN"};
const std::array<std::string, AliasCount> AliasFolders = {"NEW\\DATA", "NEW\\FIRMA", "NEW\\LUNA",
                                                          "DATA"};

uint8_t InstallType;
bool UpgradeMode;
uint8_t ScreenIndex;
std::string DefaultProgramPath;
std::string ProgramPath;
std::string DefaultDataPath;
std::string DataPath;
std::string MediaPath;
std::string RunFolder;
int32_t DiskCount;

void ResetInstallerState() {
    InstallType = 0;
    UpgradeMode = false;
    ScreenIndex = 0;
    DefaultProgramPath = ProgramPath = DefaultDataPath = DataPath = "C:\\Kesvard";
    MediaPath.clear();
    DiskCount = 1;
}

namespace {
// The state holds its initial values from the start of the process.
const bool initialised = (ResetInstallerState(), true);
} // namespace

void ReadInstallerConfig() {
    const std::string file = sys::IncludeTrailingPathDelimiter(RunFolder) + "insttalv.cfg";
    DiskCount = static_cast<int32_t>(
        sys::GetPrivateProfileInt("General", "NrDiscuri", DefaultDiskCount, file));
}

} // namespace Iglobals
