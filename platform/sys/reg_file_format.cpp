// Export in the version-5 format as the registry editor writes it: every key with its values,
// subkeys in alphabetical order, long hexadecimal lists wrapped with "\" at 80 columns.
#include "platform/sys/ascii.h"
#include "platform/sys/quoted_text.h"
#include "platform/sys/reg_file.h"
#include "platform/sys/registry_path.h"
#include "platform/sys/utf16.h"

#include <cstdio>

namespace sys {

namespace {

constexpr const char* Eol = "\r\n";
constexpr size_t WrapColumn = 76;

std::string HexLines(std::string line, const std::string& bytes) {
    std::string out;
    char piece[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(piece, sizeof piece, i + 1 < bytes.size() ? "%02x," : "%02x",
                      static_cast<uint8_t>(bytes[i]));
        if (line.size() + 3 > WrapColumn && line != "  ") {
            out += line + "\\" + Eol;
            line = "  ";
        }
        line += piece;
    }
    return out + line + Eol;
}

std::string ValueLine(const std::string& name, const RegValue& value) {
    const std::string head =
        (name.empty() ? std::string("@") : Quote(name, Escapes::RegFile)) + "=";
    const std::string text(value.Data.begin(), value.Data.end());
    switch (value.Type) {
    case RegValueType::String:
        // Control characters have no escape in a version-5 string: those go out as hex(1).
        if (!HasControlCharacters(text) && IsValidUtf8(text))
            return head + Quote(text, Escapes::RegFile) + Eol;
        return HexLines(head + "hex(1):", Utf8ToUtf16Le(text + '\0'));
    case RegValueType::ExpandString:
        return HexLines(head + "hex(2):", Utf8ToUtf16Le(text + '\0'));
    case RegValueType::MultiString:
        return HexLines(head + "hex(7):", Utf8ToUtf16Le(text + '\0'));
    case RegValueType::DWord:
        if (value.Data.size() == 4) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "dword:%08x",
                          value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                              static_cast<uint32_t>(value.Data[3]) << 24);
            return head + digits + Eol;
        }
        break;
    case RegValueType::Binary:
        return HexLines(head + "hex:", text);
    default:
        break;
    }
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<uint32_t>(value.Type));
    return HexLines(head + type, text);
}

void FormatKey(const RegKey& key, const std::string& path, std::string& out) {
    out += "[" + path + "]" + Eol;
    for (const auto& [lower, value] : key.Values)
        out += ValueLine(ValueName(key, lower), value);
    out += Eol;
    for (const auto& [lower, sub] : key.SubKeys)
        FormatKey(sub, path + "\\" + sub.Name, out);
}

} // namespace

std::string FormatRegFile(const RegistryHive& hive, const std::string& keyPath) {
    std::string out = std::string("Windows Registry Editor Version 5.00") + Eol + Eol;
    std::string path = "HKEY_LOCAL_MACHINE";
    const RegKey* key = &hive.Root;
    for (const auto& name : SplitKeyPath(keyPath)) {
        const auto it = key->SubKeys.find(LowerAscii(name));
        if (it == key->SubKeys.end())
            throw ERegistryException("The key HKEY_LOCAL_MACHINE\\" + keyPath + " does not exist");
        key = &it->second;
        path += "\\" + key->Name;
    }
    FormatKey(*key, path, out);
    return out;
}

} // namespace sys
