#include "platform/dbengine/config_file.h"

#include "platform/sys/errors.h"
#include "platform/sys/host_file.h"
#include "platform/sys/prefix.h"

#include <system_error>

namespace dbe {

namespace {

std::filesystem::path LockFileOf(const std::filesystem::path& host) {
    return host.parent_path() / (host.filename().string() + ".lck");
}

} // namespace

ConfigFile::ConfigFile(std::string windowsPath)
    : Name(std::move(windowsPath)), Host(sys::HostPath(Name)) {}

std::optional<EngineConfig> ConfigFile::Read() const {
    std::error_code error;
    if (!std::filesystem::exists(Host, error))
        return std::nullopt;
    if (std::filesystem::is_directory(Host, error))
        throw sys::EInOutError(Name + " is a folder, not a configuration file", Name, 5);
    return EngineConfig::Parse(sys::ReadWholeFile(Host), Name);
}

EngineConfig ConfigFile::Update(const std::function<void(EngineConfig&)>& change) const {
    std::error_code error;
    if (!std::filesystem::is_directory(Host.parent_path(), error))
        throw sys::EInOutError("the folder of " + Name + " does not exist", Name, 3);
    sys::FileLock lock(LockFileOf(Host), sys::FileLock::Mode::Exclusive);
    std::optional<EngineConfig> current = Read();
    EngineConfig config = current ? std::move(*current) : EngineConfig::WithDefaults();
    change(config);
    sys::WriteFileAtomically(Host, config.Serialize());
    return config;
}

void ConfigFile::Write(const EngineConfig& config) const {
    std::error_code error;
    if (!std::filesystem::is_directory(Host.parent_path(), error))
        throw sys::EInOutError("the folder of " + Name + " does not exist", Name, 3);
    sys::FileLock lock(LockFileOf(Host), sys::FileLock::Mode::Exclusive);
    Read(); // a file that cannot be parsed is not replaced either
    sys::WriteFileAtomically(Host, config.Serialize());
}

} // namespace dbe
