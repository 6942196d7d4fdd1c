#pragma once
// Helpers on hive keys shared by the registry class, the hive file and .reg files.
#include "platform/sys/registry.h"

#include <string>
#include <vector>

namespace sys {

// "SOFTWARE\\Borland\\" -> {"SOFTWARE", "Borland"}; empty names are dropped.
std::vector<std::string> SplitKeyPath(const std::string& keyPath);
// Stores a value under its name (the first spelling of the name is kept).
void SetValue(RegKey& key, const std::string& name, RegValue value);
bool RemoveValue(RegKey& key, const std::string& name);
// The spelling of a value name from its lower-cased form.
std::string ValueName(const RegKey& key, const std::string& lowerName);
// A key name has 1 to 255 characters, no "\" and no control characters.
bool IsValidKeyName(const std::string& name);
// A value name has no control characters but tabs: a .reg file could not carry it on one line.
bool IsValidValueName(const std::string& name);

} // namespace sys
