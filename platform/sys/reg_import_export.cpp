#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"
#include "platform/sys/host_file.h"
#include "platform/sys/reg_file.h"
#include "platform/sys/registry.h"
#include "platform/sys/utf16.h"

namespace sys {

void ImportRegFile(const std::string& hostPath) {
    // Parsed whole first: a malformed line changes nothing.
    const auto changes = ParseRegFile(ReadWholeFile(hostPath), hostPath);
    UpdateHive([&](RegistryHive& hive) { ApplyRegFile(changes, hive); });
}

void ExportRegFile(const std::string& hostPath, const std::string& key) {
    std::string path = key;
    while (!path.empty() && path[0] == '\\')
        path.erase(0, 1);
    const size_t slash = path.find('\\');
    const std::string root = path.substr(0, slash);
    if (EqualsNoCase(root, "HKEY_LOCAL_MACHINE") || EqualsNoCase(root, "HKLM"))
        path = slash == std::string::npos ? "" : path.substr(slash + 1);
    else if (root.size() > 5 && EqualsNoCase(root.substr(0, 5), "HKEY_"))
        throw ERegistryException("Only HKEY_LOCAL_MACHINE is kept in this registry: " + key);
    const std::string text = FormatRegFile(LoadHive(), path);
    WriteFileAtomically(hostPath, "\xFF\xFE" + Utf8ToUtf16Le(text));
}

} // namespace sys
