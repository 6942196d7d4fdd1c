#pragma once
// A cursor over the records of one configuration node, as DbiOpenCfgInfoList hands it out.
#include "platform/dbengine/engine_config.h"
#include "platform/dbengine/idapi.h"

#include <string>
#include <vector>

namespace dbe {

class ConfigCursor {
public:
    ConfigCursor(std::string path, DBIOpenMode openMode, CFGMode configMode,
                 std::vector<ConfigNodeRecord> records);

    const std::string& Path() const { return NodePath; }
    bool ReadOnly() const { return OpenMode == dbiREADONLY; }
    CFGMode ConfigMode() const { return Mode; }

    void SetToBegin();
    // Moves to the next record; nullptr at the end (the cursor then stays after the last one).
    const ConfigNodeRecord* Next(DBILockType lock);
    ConfigNodeRecord* Current();
    void FreeLock() { Locked = false; }
    bool IsLocked() const { return Locked; }

    // Copies a record into the engine's fixed-size layout, cutting texts that do not fit.
    static void Fill(const ConfigNodeRecord& record, CFGDesc& desc);

private:
    std::string NodePath;
    DBIOpenMode OpenMode;
    CFGMode Mode;
    std::vector<ConfigNodeRecord> Records;
    size_t Position = 0; // 0 before the first record, n on record n (1-based)
    bool Locked = false;
};

} // namespace dbe
