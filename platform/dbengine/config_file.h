#pragma once
// The engine's configuration file on disk. Changes are laid over the newest content under the
// file's lock (a ".lck" file beside it) and the file is replaced atomically, so that another
// program's aliases written meanwhile are kept and a failed write leaves the old file whole.
#include "platform/dbengine/engine_config.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace dbe {

class ConfigFile {
public:
    // windowsPath names the file in messages; the host path is resolved once, here. Raises
    // sys::EInOutError when the path's drive is not mapped.
    explicit ConfigFile(std::string windowsPath);
    const std::string& WindowsPath() const { return Name; }

    // nullopt when the file does not exist; raises sys::EParseError (file and line) when it
    // cannot be parsed and sys::EInOutError when it cannot be read.
    std::optional<EngineConfig> Read() const;
    // Reads the newest content (a missing file gives the defaults), applies the change and
    // writes the result, which is returned. A file that cannot be parsed is not written.
    EngineConfig Update(const std::function<void(EngineConfig&)>& change) const;
    // Writes a whole configuration (saving it as another file); an existing file that cannot
    // be parsed is not replaced.
    void Write(const EngineConfig& config) const;

private:
    std::string Name;
    std::filesystem::path Host;
};

} // namespace dbe
