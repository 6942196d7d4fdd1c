#pragma once
// Where the engine is installed, as the registry entries of its bde.reg tell it:
// HKEY_LOCAL_MACHINE\Software\Borland\Database Engine, "DLLPATH" (its folder or folders,
// separated by ";") and "CONFIGFILE01" (its configuration file). The engine counts as installed
// only when both values exist and IDAPI32.DLL lies in one of the DLLPATH folders; the file's
// content does not matter on this platform.
#include "platform/dbengine/idapi.h"

#include <string>

namespace dbe {

constexpr const char* EngineRegistryKey = "Software\\Borland\\Database Engine";
constexpr const char* EngineLibraryName = "IDAPI32.DLL";

struct EngineInstallation {
    std::string DllFolder;  // the folder holding IDAPI32.DLL
    std::string ConfigFile; // Windows path of the configuration file
};

// DBIERR_NONE and the installation, or the reason the engine cannot start in message.
DBIResult FindEngineInstallation(EngineInstallation& found, std::string& message);
// Makes a configuration file the one the engine starts with ("CONFIGFILE01").
void RegisterConfigFile(const std::string& windowsPath);

} // namespace dbe
