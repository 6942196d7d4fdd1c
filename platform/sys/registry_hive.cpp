// The in-memory hive: keys found and created by path, names compared without regard to case.
#include "platform/sys/ascii.h"
#include "platform/sys/registry.h"
#include "platform/sys/registry_path.h"

namespace sys {

std::vector<std::string> SplitKeyPath(const std::string& keyPath) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= keyPath.size()) {
        size_t end = keyPath.find('\\', start);
        if (end == std::string::npos)
            end = keyPath.size();
        if (end > start)
            names.push_back(keyPath.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

const RegKey* RegistryHive::Find(const std::string& keyPath) const {
    const RegKey* key = &Root;
    for (const auto& name : SplitKeyPath(keyPath)) {
        const auto it = key->SubKeys.find(LowerAscii(name));
        if (it == key->SubKeys.end())
            return nullptr;
        key = &it->second;
    }
    return key;
}

RegKey* RegistryHive::Find(const std::string& keyPath) {
    return const_cast<RegKey*>(static_cast<const RegistryHive*>(this)->Find(keyPath));
}

RegKey& RegistryHive::Create(const std::string& keyPath) {
    RegKey* key = &Root;
    for (const auto& name : SplitKeyPath(keyPath)) {
        auto [it, added] = key->SubKeys.try_emplace(LowerAscii(name));
        if (added)
            it->second.Name = name;
        key = &it->second;
    }
    return *key;
}

bool RegistryHive::DeleteKey(const std::string& keyPath) {
    auto names = SplitKeyPath(keyPath);
    if (names.empty())
        return false; // the hive's root stays
    const std::string last = LowerAscii(names.back());
    names.pop_back();
    RegKey* parent = &Root;
    for (const auto& name : names) {
        const auto it = parent->SubKeys.find(LowerAscii(name));
        if (it == parent->SubKeys.end())
            return false;
        parent = &it->second;
    }
    return parent->SubKeys.erase(last) > 0;
}

void SetValue(RegKey& key, const std::string& name, RegValue value) {
    const std::string lower = LowerAscii(name);
    key.Values[lower] = std::move(value);
    key.ValueNames.try_emplace(lower, name);
}

bool RemoveValue(RegKey& key, const std::string& name) {
    const std::string lower = LowerAscii(name);
    key.ValueNames.erase(lower);
    return key.Values.erase(lower) > 0;
}

std::string ValueName(const RegKey& key, const std::string& lowerName) {
    const auto it = key.ValueNames.find(lowerName);
    return it == key.ValueNames.end() ? lowerName : it->second;
}

bool IsValidKeyName(const std::string& name) {
    if (name.empty() || name.size() > 255)
        return false;
    for (const char c : name)
        if (c == '\\' || static_cast<unsigned char>(c) < 32)
            return false;
    return true;
}

bool IsValidValueName(const std::string& name) {
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 32 && c != '\t')
            return false;
    return true;
}

} // namespace sys
