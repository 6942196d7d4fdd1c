#include "platform/dbengine/engine_install.h"

#include "platform/sys/files.h"
#include "platform/sys/registry.h"

namespace dbe {

namespace {

std::string ReadEngineValue(sys::TRegistry& registry, const char* name) {
    if (!registry.ValueExists(name))
        return "";
    try {
        return registry.ReadString(name);
    } catch (const sys::ERegistryException&) {
        return ""; // a value of another type is no path
    }
}

} // namespace

DBIResult FindEngineInstallation(EngineInstallation& found, std::string& message) {
    sys::TRegistry registry;
    registry.RootKey = sys::HKEY_LOCAL_MACHINE;
    const std::string keyName = std::string("HKEY_LOCAL_MACHINE\\") + EngineRegistryKey;
    if (!registry.OpenKeyReadOnly(EngineRegistryKey)) {
        message = "the engine is not registered: " + keyName + " is missing";
        return DBIERR_CANTFINDIDAPI;
    }
    const std::string dllPath = ReadEngineValue(registry, "DLLPATH");
    const std::string configFile = ReadEngineValue(registry, "CONFIGFILE01");
    registry.CloseKey();
    if (dllPath.empty()) {
        message = "the engine is not registered: " + keyName + " has no DLLPATH";
        return DBIERR_CANTFINDIDAPI;
    }
    std::string folder;
    size_t start = 0;
    while (folder.empty() && start <= dllPath.size()) {
        size_t end = dllPath.find(';', start);
        if (end == std::string::npos)
            end = dllPath.size();
        const std::string candidate = dllPath.substr(start, end - start);
        if (!candidate.empty() &&
            sys::FileExists(sys::IncludeTrailingPathDelimiter(candidate) + EngineLibraryName))
            folder = candidate;
        start = end + 1;
    }
    if (folder.empty()) {
        message = std::string(EngineLibraryName) + " is not in " + dllPath;
        return DBIERR_CANTFINDIDAPI;
    }
    if (configFile.empty()) {
        message = "the engine has no configuration file: " + keyName + " has no CONFIGFILE01";
        return DBIERR_NOCONFIGFILE;
    }
    found = {folder, configFile};
    return DBIERR_NONE;
}

void RegisterConfigFile(const std::string& windowsPath) {
    sys::TRegistry registry;
    registry.RootKey = sys::HKEY_LOCAL_MACHINE;
    if (!registry.OpenKey(EngineRegistryKey, true))
        throw sys::ERegistryException(std::string("cannot open HKEY_LOCAL_MACHINE\\") +
                                      EngineRegistryKey);
    registry.WriteString("CONFIGFILE01", windowsPath);
    registry.CloseKey();
}

} // namespace dbe
