#include "platform/dbengine/engine_session.h"

#include "platform/dbengine/engine_install.h"
#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/registry.h"

namespace dbe {

namespace {

bool IsBuiltInDriver(std::string_view driver) {
    for (std::string_view name : {"PARADOX", "DBASE", "STANDARD", "ASCIIDRV"})
        if (sys::EqualsNoCase(name, driver))
            return true;
    return false;
}

template <typename Handle> uintptr_t HandleValue(Handle handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

} // namespace

EngineSession& EngineSession::Instance() {
    static EngineSession session;
    return session;
}

DBIResult EngineSession::Fail(DBIResult result, std::string message) {
    Error = std::move(message);
    return result;
}

DBIResult EngineSession::Init(uint16_t version, const std::string& iniFile) {
    if (version != DBIINTFVER)
        return Fail(DBIERR_INTERFACEVER, "interface version " + std::to_string(version) +
                                             " requested, the engine serves " +
                                             std::to_string(DBIINTFVER));
    if (Running()) {
        if (!iniFile.empty() && !sys::EqualsNoCase(iniFile, File->WindowsPath()))
            return Fail(DBIERR_CFGMULTIFILE, "the engine already runs with " + File->WindowsPath());
        ++StartCount;
        return DBIERR_NONE;
    }
    EngineInstallation installation;
    std::string reason;
    try {
        if (DBIResult found = FindEngineInstallation(installation, reason))
            return Fail(found, reason);
        ConfigFile file(iniFile.empty() ? installation.ConfigFile : iniFile);
        std::optional<EngineConfig> stored = file.Read();
        Persistent = stored ? std::move(*stored) : EngineConfig::WithDefaults();
        File.emplace(std::move(file));
    } catch (const sys::EParseError& error) {
        return Fail(DBIERR_SYSCORRUPT, error.what());
    } catch (const sys::EInOutError& error) {
        return Fail(DBIERR_SYSFILEIO, error.what());
    } catch (const std::exception& error) {
        // The registry itself cannot be read (its file is damaged): no engine can be found.
        return Fail(DBIERR_CANTFINDIDAPI, error.what());
    }
    Pending.clear();
    SessionOnly.clear();
    RebuildSessionView();
    StartCount = 1;
    return DBIERR_NONE;
}

DBIResult EngineSession::Exit() {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    if (--StartCount > 0)
        return DBIERR_NONE;
    Cursors.clear();
    Databases.clear();
    Pending.clear();
    SessionOnly.clear();
    Persistent = EngineConfig();
    Session = EngineConfig();
    File.reset();
    return DBIERR_NONE;
}

void EngineSession::RebuildSessionView() {
    Session = Persistent;
    for (const ConfigChange& change : SessionOnly)
        change.ApplyTo(Session);
}

DBIResult EngineSession::AddAlias(const AliasDefinition& alias, bool persist) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    if (!IsBuiltInDriver(alias.Type) && !Session.Node("DRIVERS\\" + alias.Type))
        return Fail(DBIERR_UNKNOWNDRIVER, "unknown driver " + alias.Type);
    if (std::optional<AliasDefinition> existing = Session.FindAlias(alias.Name))
        if (!sys::EqualsNoCase(existing->Type, alias.Type))
            return Fail(DBIERR_NAMENOTUNIQUE,
                        "alias " + alias.Name + " exists with driver " + existing->Type);
    ConfigChange change;
    change.What = ConfigChange::Kind::Alias;
    change.Alias = alias;
    if (persist) {
        change.ApplyTo(Persistent);
        Pending.push_back(change);
        RebuildSessionView();
    } else {
        change.ApplyTo(Session);
        SessionOnly.push_back(std::move(change));
    }
    return DBIERR_NONE;
}

DBIResult EngineSession::SaveToOwnFile() {
    try {
        Persistent = File->Update([this](EngineConfig& newest) {
            for (const ConfigChange& change : Pending)
                change.ApplyTo(newest);
        });
    } catch (const sys::EParseError& error) {
        return Fail(DBIERR_SYSCORRUPT, error.what());
    } catch (const std::exception& error) {
        return Fail(DBIERR_CFGCANNOTWRITE, error.what());
    }
    Pending.clear();
    RebuildSessionView();
    return DBIERR_NONE;
}

DBIResult EngineSession::CfgSave(const std::string& file, bool registered) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    if (file.empty() || sys::EqualsNoCase(file, File->WindowsPath()))
        return SaveToOwnFile();
    try {
        ConfigFile target(file);
        target.Write(Persistent);
        if (registered) {
            RegisterConfigFile(file);
            File.emplace(std::move(target));
            Pending.clear();
        }
    } catch (const sys::EParseError& error) {
        return Fail(DBIERR_SYSCORRUPT, error.what());
    } catch (const std::exception& error) {
        return Fail(DBIERR_CFGCANNOTWRITE, error.what());
    }
    return DBIERR_NONE;
}

DBIResult EngineSession::OpenCfgInfoList(DBIOpenMode openMode, CFGMode configMode,
                                         const std::string& path, hDBICur& cursor) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    const EngineConfig& view = configMode == cfgPersistent ? Persistent : Session;
    std::optional<std::vector<ConfigNodeRecord>> records = view.Node(path);
    if (!records)
        return Fail(DBIERR_OBJNOTFOUND, "no configuration node " + path);
    const uintptr_t handle = NewHandle();
    Cursors[handle] = std::make_unique<ConfigCursor>(NormalizeNodePath(path), openMode, configMode,
                                                     std::move(*records));
    cursor = reinterpret_cast<hDBICur>(handle);
    return DBIERR_NONE;
}

ConfigCursor* EngineSession::FindCursor(hDBICur cursor) {
    auto found = Cursors.find(HandleValue(cursor));
    return found == Cursors.end() ? nullptr : found->second.get();
}

DBIResult EngineSession::SetToBegin(hDBICur cursor) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    ConfigCursor* found = FindCursor(cursor);
    if (!found)
        return Fail(DBIERR_INVALIDHNDL, "not an open cursor");
    found->SetToBegin();
    return DBIERR_NONE;
}

DBIResult EngineSession::GetNextRecord(hDBICur cursor, DBILockType lock, CFGDesc* record) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    ConfigCursor* found = FindCursor(cursor);
    if (!found)
        return Fail(DBIERR_INVALIDHNDL, "not an open cursor");
    const ConfigNodeRecord* next = found->Next(lock);
    if (!next)
        return Fail(DBIERR_EOF, "after the last record of " + found->Path());
    if (record)
        ConfigCursor::Fill(*next, *record);
    return DBIERR_NONE;
}

DBIResult EngineSession::WriteSettingThrough(const ConfigChange& change) {
    try {
        bool stored = false;
        File->Update([&](EngineConfig& newest) { stored = change.ApplyTo(newest); });
        if (stored) {
            change.ApplyTo(Persistent);
            return DBIERR_NONE;
        }
    } catch (const sys::EParseError& error) {
        return Fail(DBIERR_SYSCORRUPT, error.what());
    } catch (const std::exception& error) {
        return Fail(DBIERR_CFGCANNOTWRITE, error.what());
    }
    // The node exists only among the changes not saved yet (an alias added as persistent):
    // the change joins them.
    change.ApplyTo(Persistent);
    Pending.push_back(change);
    return DBIERR_NONE;
}

DBIResult EngineSession::ModifyRecord(hDBICur cursor, const std::string& name,
                                      const std::string& value, bool freeLock) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    ConfigCursor* found = FindCursor(cursor);
    if (!found)
        return Fail(DBIERR_INVALIDHNDL, "not an open cursor");
    if (found->ReadOnly())
        return Fail(DBIERR_TABLEREADONLY, "the cursor over " + found->Path() + " is read-only");
    ConfigNodeRecord* current = found->Current();
    if (!current)
        return Fail(DBIERR_NOCURRREC, "no current record in " + found->Path());
    if (current->HasSubnodes || !sys::EqualsNoCase(current->Name, name))
        return Fail(DBIERR_INVALIDPARAM,
                    "the record names " + name + ", the current one is " + current->Name);
    ConfigChange change;
    change.What = ConfigChange::Kind::Setting;
    change.Path = found->Path();
    change.Name = current->Name;
    change.Value = value;
    if (found->ConfigMode() == cfgPersistent) {
        if (DBIResult written = WriteSettingThrough(change))
            return written;
        RebuildSessionView();
    } else {
        change.ApplyTo(Session);
        SessionOnly.push_back(std::move(change));
    }
    current->Value = value;
    if (freeLock)
        found->FreeLock();
    return DBIERR_NONE;
}

DBIResult EngineSession::CloseCursor(hDBICur cursor) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    if (Cursors.erase(HandleValue(cursor)) == 0)
        return Fail(DBIERR_INVALIDHNDL, "not an open cursor");
    return DBIERR_NONE;
}

DBIResult EngineSession::OpenDatabase(const std::string& name, DBIOpenMode openMode,
                                      DBIShareMode shareMode, hDBIDb& database) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    std::string folder;
    if (name.empty()) {
        folder = sys::GetCurrentDir();
    } else {
        std::optional<AliasDefinition> alias = Session.FindAlias(name);
        if (!alias)
            return Fail(DBIERR_UNKNOWNDB, "unknown database alias " + name);
        folder = alias->Param("PATH");
        if (folder.empty())
            return Fail(DBIERR_INVALIDDIR, "alias " + name + " has no PATH");
    }
    if (!sys::DirectoryExists(folder))
        return Fail(DBIERR_INVALIDDIR, "the folder " + folder +
                                           (name.empty() ? "" : " of alias " + name) +
                                           " does not exist");
    const uintptr_t handle = NewHandle();
    Databases[handle] = {name, folder, openMode, shareMode};
    database = reinterpret_cast<hDBIDb>(handle);
    return DBIERR_NONE;
}

DBIResult EngineSession::CloseDatabase(hDBIDb database) {
    if (!Running())
        return Fail(DBIERR_NOTINITIALIZED, "the engine is not started");
    if (Databases.erase(HandleValue(database)) == 0)
        return Fail(DBIERR_INVALIDHNDL, "not an open database");
    return DBIERR_NONE;
}

} // namespace dbe
