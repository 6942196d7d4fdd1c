// TRegistry over the prefix's hive. Every call reads the hive afresh and every write is one
// locked update of system.reg, so that another process's changes are never overwritten.
#include "platform/sys/registry.h"

#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"
#include "platform/sys/registry_path.h"

namespace sys {

namespace {

std::string JoinKeyPath(const std::vector<std::string>& names) {
    std::string path;
    for (const auto& name : names)
        path += (path.empty() ? "" : "\\") + name;
    return path;
}

bool AllNamesValid(const std::string& path) {
    for (const auto& name : SplitKeyPath(path))
        if (!IsValidKeyName(name))
            return false;
    return true;
}

// Runs a change of the hive; a hive that cannot be saved becomes the registry's own error.
void Update(const std::function<void(RegistryHive&)>& change) {
    try {
        UpdateHive(change);
    } catch (const EInOutError& error) {
        throw ERegistryException(std::string("Cannot save the registry: ") + error.what());
    }
}

} // namespace

TRegistry::TRegistry() = default;

std::string TRegistry::Resolve(const std::string& key) const {
    if (!key.empty() && key[0] == '\\')
        return JoinKeyPath(SplitKeyPath(key));
    return JoinKeyPath(SplitKeyPath(Open && !Current.empty() ? Current + "\\" + key : key));
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    if (RootKey != HKEY_LOCAL_MACHINE)
        return false; // the only hive this registry keeps
    const std::string path = Resolve(key);
    if (!AllNamesValid(path))
        return false;
    if (!LoadHive().Find(path)) {
        if (!canCreate)
            return false;
        try {
            UpdateHive([&](RegistryHive& hive) { hive.Create(path); });
        } catch (const EInOutError&) {
            return false;
        }
    }
    Current = path;
    Open = true;
    ReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    if (RootKey != HKEY_LOCAL_MACHINE)
        return false;
    const std::string path = Resolve(key);
    if (!LoadHive().Find(path))
        return false;
    Current = path;
    Open = true;
    ReadOnly = true;
    return true;
}

bool TRegistry::KeyExists(const std::string& key) {
    return RootKey == HKEY_LOCAL_MACHINE && LoadHive().Find(Resolve(key)) != nullptr;
}

bool TRegistry::ValueExists(const std::string& name) {
    if (!Open)
        return false;
    const RegistryHive hive = LoadHive();
    const RegKey* key = hive.Find(Current);
    return key && key->Values.count(LowerAscii(name)) > 0;
}

bool TRegistry::DeleteKey(const std::string& key) {
    if (RootKey != HKEY_LOCAL_MACHINE)
        return false;
    const std::string path = Resolve(key);
    bool deleted = false;
    if (path.empty() || !LoadHive().Find(path))
        return false;
    try {
        UpdateHive([&](RegistryHive& hive) { deleted = hive.DeleteKey(path); });
    } catch (const EInOutError&) {
        return false;
    }
    return deleted;
}

bool TRegistry::DeleteValue(const std::string& name) {
    if (!Open || ReadOnly || !ValueExists(name))
        return false;
    bool deleted = false;
    try {
        UpdateHive([&](RegistryHive& hive) {
            if (RegKey* key = hive.Find(Current))
                deleted = RemoveValue(*key, name);
        });
    } catch (const EInOutError&) {
        return false;
    }
    return deleted;
}

namespace {

RegValue ReadValue(bool open, const std::string& current, const std::string& name) {
    if (!open)
        throw ERegistryException("Failed to get data for '" + name + "': no key is open");
    const RegistryHive hive = LoadHive();
    const RegKey* key = hive.Find(current);
    const auto it = key ? key->Values.find(LowerAscii(name)) : decltype(key->Values.end()){};
    if (!key || it == key->Values.end())
        throw ERegistryException("Failed to get data for '" + name + "'");
    return it->second;
}

} // namespace

std::string TRegistry::ReadString(const std::string& name) {
    const RegValue value = ReadValue(Open, Current, name);
    if (value.Type != RegValueType::String && value.Type != RegValueType::ExpandString)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return {value.Data.begin(), value.Data.end()};
}

int32_t TRegistry::ReadInteger(const std::string& name) {
    const RegValue value = ReadValue(Open, Current, name);
    if (value.Type != RegValueType::DWord || value.Data.size() != 4)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return static_cast<int32_t>(value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                                static_cast<uint32_t>(value.Data[3]) << 24);
}

namespace {

void WriteValue(bool open, bool readOnly, const std::string& current, const std::string& name,
                const RegValue& value) {
    if (!open || readOnly || !IsValidValueName(name))
        throw ERegistryException("Failed to set data for '" + name + "'");
    Update([&](RegistryHive& hive) {
        RegKey* key = hive.Find(current);
        if (!key) // deleted meanwhile by another process
            throw ERegistryException("Failed to set data for '" + name + "'");
        SetValue(*key, name, value);
    });
}

RegValue StringValue(RegValueType type, const std::string& text) {
    return {type, {text.begin(), text.end()}};
}

} // namespace

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    WriteValue(Open, ReadOnly, Current, name, StringValue(RegValueType::String, value));
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    WriteValue(Open, ReadOnly, Current, name, StringValue(RegValueType::ExpandString, value));
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    WriteValue(Open, ReadOnly, Current, name,
               {RegValueType::DWord,
                {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                 static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)}});
}

void TRegistry::CloseKey() {
    Current.clear();
    Open = false;
    ReadOnly = false;
}

} // namespace sys
