// The IDAPI calls: they check their arguments, then run on the process's engine session under
// one lock. No exception leaves a call; every failure is a result number.
#include "platform/dbengine/idapi.h"

#include "platform/dbengine/engine_session.h"
#include "platform/sys/ascii.h"

#include <cstring>
#include <mutex>
#include <new>
#include <optional>

namespace dbe {

namespace {

std::mutex& EngineMutex() {
    static std::mutex mutex;
    return mutex;
}

template <typename Body> DBIResult Call(Body body) {
    std::lock_guard<std::mutex> guard(EngineMutex());
    EngineSession& session = EngineSession::Instance();
    try {
        return body(session);
    } catch (const std::bad_alloc&) {
        return session.Fail(DBIERR_NOMEMORY, "out of memory");
    } catch (const std::exception& error) {
        return session.Fail(DBIERR_SYSFILEIO, error.what());
    }
}

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// A name the configuration file and its node paths can hold.
bool IsValidName(std::string_view name) {
    return !name.empty() && name.size() <= DBIMAXNAMELEN && !HasControlCharacter(name) &&
           name.find_first_of("[]\\=") == std::string_view::npos && sys::TrimBlanks(name) == name;
}

// A text field of a fixed-size record: its terminator must lie inside the field.
std::optional<std::string> FieldText(const char* field, size_t capacity) {
    const void* end = std::memchr(field, '\0', capacity);
    if (!end)
        return std::nullopt;
    return std::string(field, static_cast<const char*>(end));
}

// "PATH:C:\Kesvard\Date\DATA;DEFAULT DRIVER:PARADOX" -> PATH, DEFAULT DRIVER. The first ":" of
// an item ends its name, so drive letters in values stay.
bool ParseAliasParams(std::string_view text, std::vector<AliasParam>& params,
                      std::string& problem) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string item = sys::TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (item.empty())
            continue;
        const size_t colon = item.find(':');
        const std::string name = sys::TrimBlanks(std::string_view(item).substr(0, colon));
        if (colon == std::string::npos || !IsValidName(name) || sys::EqualsNoCase(name, "TYPE")) {
            problem = "bad alias parameter \"" + item + "\" (expected NAME:value)";
            return false;
        }
        const std::string value = sys::TrimBlanks(std::string_view(item).substr(colon + 1));
        if (HasControlCharacter(value)) {
            problem = "control character in the value of " + name;
            return false;
        }
        params.push_back({name, value});
    }
    return true;
}

std::string TextOrEmpty(const char* text) {
    return text ? text : "";
}

} // namespace

DBIResult DbiInitFn(uint16_t iVer, const DBIEnv* pEnv) {
    return Call([&](EngineSession& session) {
        std::string iniFile;
        if (pEnv) {
            std::optional<std::string> named = FieldText(pEnv->szIniFile, sizeof pEnv->szIniFile);
            if (!named || HasControlCharacter(*named))
                return session.Fail(DBIERR_INVALIDPARAM, "bad configuration file name");
            iniFile = *named;
        }
        return session.Init(iVer, iniFile);
    });
}

DBIResult DbiExit() {
    return Call([](EngineSession& session) { return session.Exit(); });
}

DBIResult DbiAddAlias(hDBICfg hCfg, const char* pszAliasName, const char* pszDriverType,
                      const char* pszParams, bool bPersist) {
    return Call([&](EngineSession& session) {
        if (hCfg)
            return session.Fail(DBIERR_INVALIDHNDL, "only the engine's configuration is kept");
        AliasDefinition alias{
            TextOrEmpty(pszAliasName), pszDriverType ? pszDriverType : "STANDARD", {}};
        if (!IsValidName(alias.Name))
            return session.Fail(DBIERR_INVALIDPARAM, "bad alias name \"" + alias.Name + "\"");
        if (!IsValidName(alias.Type))
            return session.Fail(DBIERR_INVALIDPARAM, "bad driver name \"" + alias.Type + "\"");
        std::string problem;
        if (!ParseAliasParams(TextOrEmpty(pszParams), alias.Params, problem))
            return session.Fail(DBIERR_INVALIDPARAM, problem);
        return session.AddAlias(alias, bPersist);
    });
}

DBIResult DbiCfgSave(hDBICfg hCfg, const char* pszCfgFile, bool bRegistered) {
    return Call([&](EngineSession& session) {
        if (hCfg)
            return session.Fail(DBIERR_INVALIDHNDL, "only the engine's configuration is kept");
        const std::string file = TextOrEmpty(pszCfgFile);
        if (HasControlCharacter(file))
            return session.Fail(DBIERR_INVALIDPARAM, "bad configuration file name");
        return session.CfgSave(file, bRegistered);
    });
}

DBIResult DbiOpenCfgInfoList(hDBICfg hCfg, DBIOpenMode eOpenMode, CFGMode eConfigMode,
                             const char* pszCfgPath, hDBICur* phCur) {
    return Call([&](EngineSession& session) {
        if (hCfg)
            return session.Fail(DBIERR_INVALIDHNDL, "only the engine's configuration is kept");
        if (!phCur || !pszCfgPath || eOpenMode > dbiREADONLY || eConfigMode > cfgAll)
            return session.Fail(DBIERR_INVALIDPARAM, "bad arguments to DbiOpenCfgInfoList");
        *phCur = nullptr;
        return session.OpenCfgInfoList(eOpenMode, eConfigMode, pszCfgPath, *phCur);
    });
}

DBIResult DbiSetToBegin(hDBICur hCursor) {
    return Call([&](EngineSession& session) { return session.SetToBegin(hCursor); });
}

DBIResult DbiGetNextRecord(hDBICur hCursor, DBILockType eLock, void* pRecBuff, void*) {
    return Call([&](EngineSession& session) {
        return session.GetNextRecord(hCursor, eLock, static_cast<CFGDesc*>(pRecBuff));
    });
}

DBIResult DbiModifyRecord(hDBICur hCursor, const void* pRecBuf, bool bFreeLock) {
    return Call([&](EngineSession& session) {
        if (!pRecBuf)
            return session.Fail(DBIERR_INVALIDPARAM, "no record");
        const CFGDesc& record = *static_cast<const CFGDesc*>(pRecBuf);
        std::optional<std::string> name = FieldText(record.szNodeName, sizeof record.szNodeName);
        std::optional<std::string> value = FieldText(record.szValue, sizeof record.szValue);
        if (!name || !value || HasControlCharacter(*value))
            return session.Fail(DBIERR_INVALIDPARAM, "the record's name or value is damaged");
        return session.ModifyRecord(hCursor, *name, sys::TrimBlanks(*value), bFreeLock);
    });
}

DBIResult DbiCloseCursor(hDBICur* phCursor) {
    return Call([&](EngineSession& session) {
        if (!phCursor)
            return session.Fail(DBIERR_INVALIDPARAM, "no cursor");
        DBIResult result = session.CloseCursor(*phCursor);
        if (result == DBIERR_NONE)
            *phCursor = nullptr;
        return result;
    });
}

DBIResult DbiOpenDatabase(const char* pszDbName, const char*, DBIOpenMode eOpenMode,
                          DBIShareMode eShareMode, const char*, uint16_t, const void*, const void*,
                          hDBIDb* phDb) {
    return Call([&](EngineSession& session) {
        if (!phDb || eOpenMode > dbiREADONLY || eShareMode > dbiOPENEXCL)
            return session.Fail(DBIERR_INVALIDPARAM, "bad arguments to DbiOpenDatabase");
        *phDb = nullptr;
        return session.OpenDatabase(TextOrEmpty(pszDbName), eOpenMode, eShareMode, *phDb);
    });
}

DBIResult DbiCloseDatabase(hDBIDb* phDb) {
    return Call([&](EngineSession& session) {
        if (!phDb)
            return session.Fail(DBIERR_INVALIDPARAM, "no database");
        DBIResult result = session.CloseDatabase(*phDb);
        if (result == DBIERR_NONE)
            *phDb = nullptr;
        return result;
    });
}

std::string DbiLastErrorMessage() {
    std::lock_guard<std::mutex> guard(EngineMutex());
    return EngineSession::Instance().LastError();
}

} // namespace dbe
