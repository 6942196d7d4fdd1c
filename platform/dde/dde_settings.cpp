#include "platform/dde/dde_settings.h"

#include "platform/sys/host_file.h"
#include "platform/sys/ini.h"

#include <sstream>
#include <system_error>
#include <vector>

namespace dde {

bool IsDdeServerEnabled(const std::filesystem::path& prefixRoot, const std::string& service) {
    const std::filesystem::path file = prefixRoot / DdeSettingsFile;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return true;
    std::istringstream text(sys::ReadWholeFile(file));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    sys::TMemIniFile ini;
    ini.SetStrings(lines);
    return ini.ReadInteger(service, "Enabled", 1) != 0;
}

} // namespace dde
