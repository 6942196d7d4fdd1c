#pragma once
// .reg files: the REGEDIT4 and "Windows Registry Editor Version 5.00" formats, parsed whole into
// a list of changes before anything touches the hive.
#include "platform/sys/registry.h"

#include <string>
#include <string_view>
#include <vector>

namespace sys {

struct RegFileChange {
    enum class Kind { DeleteKey, CreateKey, SetValue, DeleteValue };
    Kind Type = Kind::CreateKey;
    std::string Key;  // below HKEY_LOCAL_MACHINE, names joined with "\" ("" is the hive's root)
    std::string Name; // value name, "" for the default value
    RegValue Value;
    int Line = 0;
};

// Parses a .reg file's bytes (8-bit, UTF-8 with or without BOM, or UTF-16LE with BOM). Changes to
// keys of other roots than HKEY_LOCAL_MACHINE are checked but left out, as this registry stores
// only that hive. A malformed line raises EParseError(fileName, line).
std::vector<RegFileChange> ParseRegFile(std::string_view bytes, const std::string& fileName);
void ApplyRegFile(const std::vector<RegFileChange>& changes, RegistryHive& hive);

// The version-5 text (UTF-8, CR LF line ends) of a key and its subkeys; keyPath is below
// HKEY_LOCAL_MACHINE and must exist.
std::string FormatRegFile(const RegistryHive& hive, const std::string& keyPath);

} // namespace sys
