#include "platform/sys/hive_text.h"

#include "platform/sys/errors.h"
#include "platform/sys/quoted_text.h"
#include "platform/sys/registry_path.h"

#include <cstdio>

namespace sys {

namespace {

constexpr std::string_view Header = "KESTRIX REGISTRY 1";

std::string HexList(const std::vector<uint8_t>& bytes) {
    std::string out;
    char digits[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, i ? ",%02x" : "%02x", bytes[i]);
        out += digits;
    }
    return out;
}

std::string AsText(const std::vector<uint8_t>& data) {
    return {data.begin(), data.end()};
}

std::string FormatData(const RegValue& value) {
    switch (value.Type) {
    case RegValueType::String:
        return Quote(AsText(value.Data), Escapes::Hive);
    case RegValueType::ExpandString:
        return "expand:" + Quote(AsText(value.Data), Escapes::Hive);
    case RegValueType::DWord:
        if (value.Data.size() == 4) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "dword:%08x",
                          value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                              static_cast<uint32_t>(value.Data[3]) << 24);
            return digits;
        }
        break;
    case RegValueType::MultiString:
        if (value.Data.empty() || value.Data.back() == 0) {
            std::string out = "multi:";
            size_t start = 0;
            while (start < value.Data.size()) {
                size_t end = start;
                while (value.Data[end] != 0)
                    ++end;
                out += (start ? "," : "") +
                       Quote(AsText({value.Data.begin() + static_cast<std::ptrdiff_t>(start),
                                     value.Data.begin() + static_cast<std::ptrdiff_t>(end)}),
                             Escapes::Hive);
                start = end + 1;
            }
            return out;
        }
        break;
    case RegValueType::Binary:
        return "hex:" + HexList(value.Data);
    default:
        break;
    }
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<uint32_t>(value.Type));
    return type + HexList(value.Data);
}

void FormatKey(const RegKey& key, const std::string& path, std::string& out) {
    if (!path.empty() || !key.Values.empty()) {
        out += "\n[" + path + "]\n";
        for (const auto& [lower, value] : key.Values) {
            out += lower.empty() ? std::string("@") : Quote(ValueName(key, lower), Escapes::Hive);
            out += "=" + FormatData(value) + "\n";
        }
    }
    for (const auto& [lower, sub] : key.SubKeys)
        FormatKey(sub, path.empty() ? sub.Name : path + "\\" + sub.Name, out);
}

// Parses one value's data (after "name="); throws a message on malformed data.
RegValue ParseData(std::string_view text) {
    std::string error;
    const auto quotedAt = [&](size_t start) {
        size_t pos = start;
        auto s = ReadQuoted(text, pos, Escapes::Hive, error);
        if (!s)
            throw std::runtime_error(error);
        return std::make_pair(*s, pos);
    };
    const auto starts = [&](std::string_view prefix) {
        return text.substr(0, prefix.size()) == prefix;
    };
    RegValue value;
    if (starts("\"") || starts("expand:\"")) {
        value.Type = starts("\"") ? RegValueType::String : RegValueType::ExpandString;
        const auto [s, end] = quotedAt(starts("\"") ? 0 : 7);
        if (end != text.size())
            throw std::runtime_error("unexpected text after the string");
        value.Data.assign(s.begin(), s.end());
        return value;
    }
    if (starts("multi:")) {
        value.Type = RegValueType::MultiString;
        size_t pos = 6;
        while (pos < text.size()) {
            const auto [s, end] = quotedAt(pos);
            value.Data.insert(value.Data.end(), s.begin(), s.end());
            value.Data.push_back(0);
            pos = end;
            if (pos < text.size() && (text[pos] != ',' || ++pos == text.size()))
                throw std::runtime_error("expected \",\" between strings");
        }
        return value;
    }
    if (starts("dword:")) {
        const auto number = ParseHex32(text.substr(6));
        if (!number || text.size() != 14)
            throw std::runtime_error("expected dword:<8 hexadecimal digits>");
        value.Type = RegValueType::DWord;
        for (int shift = 0; shift < 32; shift += 8)
            value.Data.push_back(static_cast<uint8_t>(*number >> shift));
        return value;
    }
    size_t bytesAt = 0;
    if (starts("hex:")) {
        value.Type = RegValueType::Binary;
        bytesAt = 4;
    } else if (starts("hex(")) {
        const size_t close = text.find("):");
        const auto type =
            close == std::string_view::npos ? std::nullopt : ParseHex32(text.substr(4, close - 4));
        if (!type)
            throw std::runtime_error("expected hex(<type>):");
        value.Type = static_cast<RegValueType>(*type);
        bytesAt = close + 2;
    } else {
        throw std::runtime_error("unknown value data");
    }
    const auto bytes = ParseHexBytes(text.substr(bytesAt));
    if (!bytes)
        throw std::runtime_error("malformed hexadecimal bytes");
    value.Data = *bytes;
    return value;
}

} // namespace

std::string FormatHive(const RegistryHive& hive) {
    std::string out(Header);
    out += "\n; HKEY_LOCAL_MACHINE of this prefix. Written by the platform; edit with care.\n";
    FormatKey(hive.Root, "", out);
    return out;
}

RegistryHive ParseHive(std::string_view text, const std::string& fileName) {
    RegistryHive hive;
    RegKey* key = nullptr;
    int lineNumber = 0;
    size_t start = 0;
    while (start < text.size() || lineNumber == 0) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != Header)
                throw EParseError(fileName, 1,
                                  "not a registry hive (expected \"" + std::string(Header) + "\")");
            continue;
        }
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']')
                throw EParseError(fileName, lineNumber, "expected ] at the end of the key");
            const std::string path(line.substr(1, line.size() - 2));
            for (const auto& name : SplitKeyPath(path))
                if (!IsValidKeyName(name))
                    throw EParseError(fileName, lineNumber, "invalid key name");
            if (!path.empty() && (path.front() == '\\' || path.back() == '\\' ||
                                  path.find("\\\\") != std::string::npos))
                throw EParseError(fileName, lineNumber, "empty key name");
            key = &hive.Create(path);
            continue;
        }
        if (!key)
            throw EParseError(fileName, lineNumber, "a value before the first key");
        size_t pos = 0;
        std::string name;
        if (line[0] == '@') {
            pos = 1;
        } else {
            std::string error;
            const auto quoted = ReadQuoted(line, pos, Escapes::Hive, error);
            if (!quoted)
                throw EParseError(fileName, lineNumber, error);
            if (quoted->empty())
                throw EParseError(fileName, lineNumber, "the default value is written @");
            name = *quoted;
        }
        if (pos >= line.size() || line[pos] != '=')
            throw EParseError(fileName, lineNumber, "expected = after the value name");
        try {
            SetValue(*key, name, ParseData(line.substr(pos + 1)));
        } catch (const std::runtime_error& error) {
            throw EParseError(fileName, lineNumber, error.what());
        }
    }
    return hive;
}

} // namespace sys
