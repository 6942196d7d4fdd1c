#pragma once
// The engine's state for this process: how often it was started, its configuration as stored
// and as this session sees it, and the open databases and cursors. The IDAPI calls
// (idapi.cpp) check their arguments and forward here under one lock.
#include "platform/dbengine/config_cursor.h"
#include "platform/dbengine/config_file.h"
#include "platform/dbengine/engine_config.h"
#include "platform/dbengine/idapi.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dbe {

class EngineSession {
public:
    static EngineSession& Instance();

    DBIResult Init(uint16_t version, const std::string& iniFile);
    DBIResult Exit();
    DBIResult AddAlias(const AliasDefinition& alias, bool persist);
    DBIResult CfgSave(const std::string& file, bool registered);
    DBIResult OpenCfgInfoList(DBIOpenMode openMode, CFGMode configMode, const std::string& path,
                              hDBICur& cursor);
    DBIResult SetToBegin(hDBICur cursor);
    DBIResult GetNextRecord(hDBICur cursor, DBILockType lock, CFGDesc* record);
    DBIResult ModifyRecord(hDBICur cursor, const std::string& name, const std::string& value,
                           bool freeLock);
    DBIResult CloseCursor(hDBICur cursor);
    DBIResult OpenDatabase(const std::string& name, DBIOpenMode openMode, DBIShareMode shareMode,
                           hDBIDb& database);
    DBIResult CloseDatabase(hDBIDb database);

    // Records why a call failed; the explanation stays until the next failure.
    DBIResult Fail(DBIResult result, std::string message);
    const std::string& LastError() const { return Error; }

private:
    struct OpenDatabaseInfo {
        std::string Alias;
        std::string Folder;
        DBIOpenMode OpenMode;
        DBIShareMode ShareMode;
    };

    bool Running() const { return StartCount > 0; }
    ConfigCursor* FindCursor(hDBICur cursor);
    DBIResult SaveToOwnFile();
    DBIResult WriteSettingThrough(const ConfigChange& change);
    void RebuildSessionView();
    uintptr_t NewHandle() { return ++LastHandle; }

    int StartCount = 0;
    std::optional<ConfigFile> File;
    EngineConfig Persistent;               // as stored, plus persistent changes not yet saved
    EngineConfig Session;                  // Persistent plus this session's own changes
    std::vector<ConfigChange> Pending;     // persistent changes DbiCfgSave will store
    std::vector<ConfigChange> SessionOnly; // changes that are never stored
    std::map<uintptr_t, std::unique_ptr<ConfigCursor>> Cursors;
    std::map<uintptr_t, OpenDatabaseInfo> Databases;
    uintptr_t LastHandle = 0; // never reused, so a closed handle stays invalid
    std::string Error;
};

} // namespace dbe
