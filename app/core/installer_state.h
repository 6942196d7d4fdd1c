#pragma once
// The installer's shared, process-wide state: what one screen decides and a later one needs.
// Nothing here is saved between runs.
#include <array>
#include <cstdint>
#include <string>

namespace Iglobals {

enum TDestType : uint8_t {
    dtDatabaseDat = 0, // the database with examples, under DataPath
    dtDatabaseNew = 1, // the empty sample database, under DataPath
    dtProgram = 2,     // ProgramPath
    dtProgramFiles = 3 // the database engine's folder under the common program files
};

struct TCompRecord {
    std::string FileName; // the component's key; names its archive on the media
    std::string CompName; // shown while the component is copied
    TDestType DestType;
};

constexpr int ComponentCount = 7;
extern const std::array<TCompRecord, ComponentCount> Components;

// A set of component rows, bit i for row i (0-based), indexed by InstallType 0..3.
using TCompSet = uint8_t;
using TCompSets = std::array<TCompSet, 4>;
extern const TCompSets InstallComponents;
extern const TCompSets UpgradeComponents;
// Whether row (0-based) is in the set of the given install type; false for a type above 3.
bool InSet(const TCompSets& sets, uint8_t installType, int row);

constexpr int AliasCount = 4;
extern const std::array<std::string, AliasCount> AliasNames;
extern const std::array<std::string, AliasCount> AliasFolders;

constexpr double InstallerVersion = 3200877.01;
constexpr int DefaultDiskCount = 6;

extern uint8_t InstallType; // 0 none, 1 LOCAL, 2 SERVER, 3 CLIENT
extern bool UpgradeMode;
extern uint8_t ScreenIndex;
extern std::string DefaultProgramPath;
extern std::string ProgramPath;
extern std::string DefaultDataPath;
extern std::string DataPath;
extern std::string MediaPath; // without a trailing separator
extern std::string RunFolder; // the running executable's folder, with its trailing separator
extern int32_t DiskCount;

// Puts every item back to its initial value (the start of a process). RunFolder is left alone:
// the start-up step sets it once.
void ResetInstallerState();

// DiskCount := [General] NrDiscuri of insttalv.cfg in the run folder, 6 when missing.
void ReadInstallerConfig();

} // namespace Iglobals
