#pragma once
// The database engine's programming interface (IDAPI): the calls, handles, records and result
// numbers the installer uses. Every call returns a DBIResult, 0 (DBIERR_NONE) on success.
//
// Installed engine: HKEY_LOCAL_MACHINE\Software\Borland\Database Engine holds "DLLPATH" (the
// engine's folder, which must hold IDAPI32.DLL) and "CONFIGFILE01" (its configuration file), as
// the engine's bde.reg writes them. The configuration file is a readable text (see
// config_document.h and engine_config.h); a missing one starts empty with the PARADOX driver's
// default settings. A configuration file that cannot be parsed makes DbiInit fail and is never
// written over; DbiLastErrorMessage names the file and line.
//
// Persistence: aliases added as persistent are written by DbiCfgSave; a setting changed through
// a persistent configuration cursor is written at once. Both lay their changes over the newest
// file on disk (other products' aliases and unknown sections stay as they are) and replace it
// atomically.
#include <cstdint>
#include <string>

namespace dbe {

using DBIResult = uint16_t;

// Result numbers: an error category in the high byte, the error in the low byte.
constexpr DBIResult DBIERR_NONE = 0;
constexpr DBIResult ERRBASE_SYSTEM = 0x2100;
constexpr DBIResult ERRBASE_NOTFOUND = 0x2200;
constexpr DBIResult ERRBASE_LIMIT = 0x2500;
constexpr DBIResult ERRBASE_INVALIDREQ = 0x2700;
constexpr DBIResult ERRBASE_SEC = 0x2900;
constexpr DBIResult ERRBASE_VERSION = 0x2F00;
constexpr DBIResult ERRBASE_OTHER = 0x3300;

constexpr DBIResult DBIERR_SYSFILEIO = ERRBASE_SYSTEM + 2;      // I/O error on a system file
constexpr DBIResult DBIERR_SYSCORRUPT = ERRBASE_SYSTEM + 3;     // data structure corruption
constexpr DBIResult DBIERR_NOCONFIGFILE = ERRBASE_SYSTEM + 4;   // no configuration file
constexpr DBIResult DBIERR_CFGCANNOTWRITE = ERRBASE_SYSTEM + 5; // configuration not writable
constexpr DBIResult DBIERR_CFGMULTIFILE = ERRBASE_SYSTEM + 6;   // another configuration file
constexpr DBIResult DBIERR_CANTFINDIDAPI = ERRBASE_SYSTEM + 8;  // engine not installed
constexpr DBIResult DBIERR_BOF = ERRBASE_NOTFOUND + 1;
constexpr DBIResult DBIERR_EOF = ERRBASE_NOTFOUND + 2;
constexpr DBIResult DBIERR_NOCURRREC = ERRBASE_NOTFOUND + 5;
constexpr DBIResult DBIERR_OBJNOTFOUND = ERRBASE_NOTFOUND + 8;
constexpr DBIResult DBIERR_NOMEMORY = ERRBASE_LIMIT + 1;
constexpr DBIResult DBIERR_INVALIDPARAM = ERRBASE_INVALIDREQ + 2;
constexpr DBIResult DBIERR_INVALIDHNDL = ERRBASE_INVALIDREQ + 6;
constexpr DBIResult DBIERR_NAMENOTUNIQUE = ERRBASE_INVALIDREQ + 25;
constexpr DBIResult DBIERR_UNKNOWNDRIVER = ERRBASE_INVALIDREQ + 29;
constexpr DBIResult DBIERR_UNKNOWNDB = ERRBASE_INVALIDREQ + 30;
constexpr DBIResult DBIERR_INVALIDDIR = ERRBASE_INVALIDREQ + 34;
constexpr DBIResult DBIERR_TABLEREADONLY = ERRBASE_SEC + 5;
constexpr DBIResult DBIERR_INTERFACEVER = ERRBASE_VERSION + 2;
constexpr DBIResult DBIERR_NOTINITIALIZED = ERRBASE_OTHER + 6;

// The interface version this engine serves (DbiInit passes it).
constexpr uint16_t DBIINTFVER = 500;

constexpr int DBIMAXNAMELEN = 31;   // alias and node names
constexpr int DBIMAXPATHLEN = 260;  // paths and parameter texts
constexpr int DBIMAXSCFLDLEN = 128; // a configuration value with its terminator
constexpr int DBIMAXMSGLEN = 127;   // an error text
constexpr int DBIMAXDESCLEN = 127;  // a configuration description

// Field types of configuration values.
constexpr uint16_t fldUNKNOWN = 0;
constexpr uint16_t fldZSTRING = 1;
constexpr uint16_t fldBOOL = 4;
constexpr uint16_t fldINT16 = 5;
constexpr uint16_t fldINT32 = 6;
constexpr uint16_t fldFLOAT = 7;

enum DBIOpenMode : uint16_t { dbiREADWRITE = 0, dbiREADONLY = 1 };
enum DBIShareMode : uint16_t { dbiOPENSHARED = 0, dbiOPENEXCL = 1 };
enum DBILockType : uint16_t { dbiNOLOCK = 0, dbiREADLOCK = 1, dbiWRITELOCK = 2 };
// Which configuration a cursor sees: the stored one, this session's, or both together.
enum CFGMode : uint16_t { cfgPersistent = 0, cfgSession = 1, cfgAll = 2 };

// Handles are opaque; a closed handle is never handed out again.
using hDBIDb = struct DBIDatabaseHandle*;
using hDBICur = struct DBICursorHandle*;
using hDBICfg = struct DBIConfigHandle*; // only nullptr (the engine's configuration) is used

// The start-up environment; nullptr takes everything from the registry.
struct DBIEnv {
    char szWorkDir[DBIMAXPATHLEN + 1];
    char szIniFile[DBIMAXPATHLEN + 1]; // a configuration file instead of the registered one
};

// One configuration record: a setting (name, value) or a child node (bHasSubnodes).
struct CFGDesc {
    char szNodeName[DBIMAXNAMELEN + 1];
    char szDescription[DBIMAXDESCLEN + 1];
    uint16_t iDataType;
    char szValue[DBIMAXSCFLDLEN];
    bool bHasSubnodes;
};

// Starts the engine for this process. Calls nest: each successful start needs one DbiExit.
DBIResult DbiInitFn(uint16_t iVer, const DBIEnv* pEnv);
inline DBIResult DbiInit(const DBIEnv* pEnv) {
    return DbiInitFn(DBIINTFVER, pEnv);
}
// Ends one start; the last one closes every database and cursor still open.
DBIResult DbiExit();

// pszParams: "NAME:value" items separated by ";" ("PATH:C:\Kesvard\Date\DATA"). A persistent
// alias is stored by DbiCfgSave; an alias that exists with the same driver gets the new
// parameters, one with another driver gives DBIERR_NAMENOTUNIQUE.
DBIResult DbiAddAlias(hDBICfg hCfg, const char* pszAliasName, const char* pszDriverType,
                      const char* pszParams, bool bPersist);
// pszCfgFile nullptr: the engine's configuration file; another file with bRegistered = true
// becomes the registered configuration file.
DBIResult DbiCfgSave(hDBICfg hCfg, const char* pszCfgFile, bool bRegistered);

DBIResult DbiOpenCfgInfoList(hDBICfg hCfg, DBIOpenMode eOpenMode, CFGMode eConfigMode,
                             const char* pszCfgPath, hDBICur* phCur);
DBIResult DbiSetToBegin(hDBICur hCursor);
// pRecBuff: a CFGDesc, or nullptr to move only; precProps is not used (nullptr).
DBIResult DbiGetNextRecord(hDBICur hCursor, DBILockType eLock, void* pRecBuff, void* precProps);
// Changes the value of the current record (the record read last).
DBIResult DbiModifyRecord(hDBICur hCursor, const void* pRecBuf, bool bFreeLock);
DBIResult DbiCloseCursor(hDBICur* phCursor);

// Opens a database by alias; pszDbName nullptr or "" opens the current folder.
DBIResult DbiOpenDatabase(const char* pszDbName, const char* pszDbType, DBIOpenMode eOpenMode,
                          DBIShareMode eShareMode, const char* pszPassword, uint16_t iOptFlds,
                          const void* pOptFldDesc, const void* pOptParams, hDBIDb* phDb);
DBIResult DbiCloseDatabase(hDBIDb* phDb);

// The engine's text for a result (at most DBIMAXMSGLEN characters and a terminator).
DBIResult DbiGetErrorString(DBIResult rslt, char* pszError);
// The explanation of the most recent failing call, naming the file, folder or alias concerned
// ("C:\...\IDAPI32.CFG:4: section header without its closing ]"). Successful calls leave it.
std::string DbiLastErrorMessage();

} // namespace dbe
