#include "platform/dbengine/driver_defaults.h"

#include "platform/dbengine/idapi.h"
#include "platform/sys/ascii.h"

namespace dbe {

const std::vector<KnownSetting>& KnownSettings() {
    static const std::vector<KnownSetting> settings = {
        {"DRIVERS\\PARADOX\\INIT", "VERSION", "4.0", "Driver version", fldFLOAT},
        {"DRIVERS\\PARADOX\\INIT", "TYPE", "FILE", "Driver type", fldZSTRING},
        {"DRIVERS\\PARADOX\\INIT", "NET DIR", "C:\\",
         "Folder of the network control file shared by all users", fldZSTRING},
        {"DRIVERS\\PARADOX\\INIT", "LANGDRIVER", "ascii", "Language driver of new tables",
         fldZSTRING},
        {"DRIVERS\\PARADOX\\TABLE CREATE", "LEVEL", "4", "Table level of new tables", fldINT16},
        {"DRIVERS\\PARADOX\\TABLE CREATE", "BLOCK SIZE", "2048", "Block size of new tables",
         fldINT16},
        {"DRIVERS\\PARADOX\\TABLE CREATE", "FILL FACTOR", "95",
         "Percentage of a block filled before a new one", fldINT16},
        {"DRIVERS\\PARADOX\\TABLE CREATE", "STRICTINTEGRTY", "TRUE",
         "Referential integrity enforced for older clients", fldBOOL},
    };
    return settings;
}

const KnownSetting* FindKnownSetting(std::string_view node, std::string_view name) {
    for (const KnownSetting& setting : KnownSettings())
        if (sys::EqualsNoCase(setting.Node, node) && sys::EqualsNoCase(setting.Name, name))
            return &setting;
    return nullptr;
}

} // namespace dbe
