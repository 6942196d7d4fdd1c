#pragma once
// The registry: one hive (HKEY_LOCAL_MACHINE) kept in <prefix>/system.reg, a readable text file
// saved atomically under a file lock, so that concurrent writers never lose each other's values.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sys {

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class RegValueType : uint32_t {
    None = 0,
    String = 1,       // REG_SZ
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    DWord = 4,        // REG_DWORD
    MultiString = 7,  // REG_MULTI_SZ
};

struct RegValue {
    RegValueType Type = RegValueType::String;
    std::vector<uint8_t> Data; // raw bytes: strings as UTF-8 with no terminator; DWORD
                               // little-endian; multi-strings as UTF-8 items each followed by a NUL
};

// A key path relative to the hive root, without leading or trailing "\" ("SOFTWARE\Borland").
// Keys and value names compare without regard to case; the first spelling is kept.
struct RegKey {
    std::string Name;                              // the key's own name as first written
    std::map<std::string, RegValue> Values;        // by lower-cased name; "" is the default value
    std::map<std::string, std::string> ValueNames; // lower-cased -> spelling
    std::map<std::string, RegKey> SubKeys;         // by lower-cased name
};

class RegistryHive {
public:
    RegKey Root;
    const RegKey* Find(const std::string& keyPath) const;
    RegKey* Find(const std::string& keyPath);
    RegKey& Create(const std::string& keyPath);
    bool DeleteKey(const std::string& keyPath); // with subkeys
};

// Loads the prefix's hive (an empty hive when system.reg is missing); a file that cannot be
// parsed raises EParseError naming it and the line (so do the TRegistry calls, which read it).
RegistryHive LoadHive();
// Reads, changes and saves the hive under the hive's file lock; the change sees the newest
// content on disk. The file is replaced atomically.
void UpdateHive(const std::function<void(RegistryHive&)>& change);

// The original TRegistry class: a root key, an open key, read and write of values.
class TRegistry {
public:
    TRegistry();
    HKEY RootKey = HKEY_CURRENT_USER; // callers set HKEY_LOCAL_MACHINE, the only hive stored
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    bool KeyExists(const std::string& key);
    bool ValueExists(const std::string& name);
    bool DeleteKey(const std::string& key);
    bool DeleteValue(const std::string& name);
    // Read a missing value or one of another type: raises ERegistryException.
    std::string ReadString(const std::string& name);
    int32_t ReadInteger(const std::string& name);
    // Writes raise ERegistryException when no key is open, the key is read-only, the value name
    // holds control characters (other than tab), or the hive cannot be saved.
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int32_t value);
    void CloseKey();
    const std::string& CurrentPath() const { return Current; }

private:
    std::string Resolve(const std::string& key) const; // absolute key path inside the hive
    std::string Current;
    bool Open = false;
    bool ReadOnly = false;
};

// Imports a REGEDIT4 or version-5 .reg file (UTF-8/ANSI or UTF-16LE with BOM) into the hive. The
// file is parsed whole before anything changes; a malformed line raises EParseError naming the file
// and line, and the hive is left as it was. Keys under HKEY_LOCAL_MACHINE are stored.
void ImportRegFile(const std::string& hostPath);
// Exports the hive (or one key with its subkeys, given as "HKEY_LOCAL_MACHINE\..." or relative)
// in the version-5 format, UTF-16LE with BOM as the real editor writes it.
void ExportRegFile(const std::string& hostPath, const std::string& key = "");

} // namespace sys
