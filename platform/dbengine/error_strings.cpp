// The engine's texts for its result numbers.
#include "platform/dbengine/idapi.h"

#include <cstdio>

namespace dbe {

namespace {

const char* ResultText(DBIResult result) {
    switch (result) {
    case DBIERR_NONE:
        return "Successful completion.";
    case DBIERR_SYSFILEIO:
        return "I/O error on a system file.";
    case DBIERR_SYSCORRUPT:
        return "Configuration file is damaged.";
    case DBIERR_NOCONFIGFILE:
        return "Cannot find the engine configuration file.";
    case DBIERR_CFGCANNOTWRITE:
        return "Cannot write to the engine configuration file.";
    case DBIERR_CFGMULTIFILE:
        return "Cannot start with a different configuration file.";
    case DBIERR_CANTFINDIDAPI:
        return "Cannot locate IDAPI32.DLL.";
    case DBIERR_BOF:
        return "At beginning of table.";
    case DBIERR_EOF:
        return "At end of table.";
    case DBIERR_NOCURRREC:
        return "No current record.";
    case DBIERR_OBJNOTFOUND:
        return "Could not find object.";
    case DBIERR_NOMEMORY:
        return "Insufficient memory for this operation.";
    case DBIERR_INVALIDPARAM:
        return "Invalid parameter.";
    case DBIERR_INVALIDHNDL:
        return "Invalid handle to the function.";
    case DBIERR_NAMENOTUNIQUE:
        return "Name not unique in this context.";
    case DBIERR_UNKNOWNDRIVER:
        return "Unknown driver.";
    case DBIERR_UNKNOWNDB:
        return "Unknown database.";
    case DBIERR_INVALIDDIR:
        return "Invalid directory.";
    case DBIERR_TABLEREADONLY:
        return "Table is read only.";
    case DBIERR_INTERFACEVER:
        return "Interface mismatch. Engine version different.";
    case DBIERR_NOTINITIALIZED:
        return "Engine not initialized.";
    default:
        return nullptr;
    }
}

} // namespace

DBIResult DbiGetErrorString(DBIResult rslt, char* pszError) {
    if (!pszError)
        return DBIERR_INVALIDPARAM;
    const char* text = ResultText(rslt);
    if (text)
        std::snprintf(pszError, DBIMAXMSGLEN + 1, "%s", text);
    else
        std::snprintf(pszError, DBIMAXMSGLEN + 1, "Engine error $%04X.", rslt);
    return DBIERR_NONE;
}

} // namespace dbe
