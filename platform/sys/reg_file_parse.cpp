#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"
#include "platform/sys/quoted_text.h"
#include "platform/sys/reg_file.h"
#include "platform/sys/registry_path.h"
#include "platform/sys/utf16.h"

#include <optional>

namespace sys {

namespace {

constexpr std::string_view Version4Header = "REGEDIT4";
constexpr std::string_view Version5Header = "Windows Registry Editor Version 5.00";

// A malformed line: the message, raised as EParseError with the file and line by the caller.
struct LineError {
    std::string Message;
};

std::vector<std::string> DecodeLines(std::string_view bytes, const std::string& fileName) {
    std::string text;
    if (bytes.substr(0, 2) == "\xFF\xFE") {
        const auto decoded = Utf16LeToUtf8(bytes.substr(2));
        if (!decoded)
            throw EParseError(fileName, 1, "the UTF-16 text has an odd number of bytes");
        text = *decoded;
    } else if (bytes.substr(0, 2) == "\xFE\xFF") {
        throw EParseError(fileName, 1, "UTF-16 big-endian files are not supported");
    } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        text = AnsiToUtf8(bytes.substr(3));
    } else {
        text = AnsiToUtf8(bytes);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

struct KeyLine {
    bool Delete = false;
    bool Stored = false; // under HKEY_LOCAL_MACHINE
    std::string Path;
};

KeyLine ParseKeyLine(const std::string& line) {
    if (line.back() != ']')
        throw LineError{"expected ] at the end of the key"};
    KeyLine key;
    std::string_view inside = std::string_view(line).substr(1, line.size() - 2);
    if (!inside.empty() && inside[0] == '-') {
        key.Delete = true;
        inside.remove_prefix(1);
    }
    const size_t slash = inside.find('\\');
    const std::string root(inside.substr(0, slash));
    static const char* const stored[] = {"HKEY_LOCAL_MACHINE", "HKLM"};
    static const char* const others[] = {
        "HKEY_CURRENT_USER", "HKCU", "HKEY_CLASSES_ROOT",   "HKCR",
        "HKEY_USERS",        "HKU",  "HKEY_CURRENT_CONFIG", "HKCC"};
    bool known = false;
    for (const char* name : stored)
        if (EqualsNoCase(root, name))
            known = key.Stored = true;
    for (const char* name : others)
        if (EqualsNoCase(root, name))
            known = true;
    if (!known)
        throw LineError{"unknown root key \"" + root + "\""};
    if (slash == std::string_view::npos) {
        if (key.Delete)
            throw LineError{"a root key cannot be deleted"};
        return key;
    }
    std::string_view rest = inside.substr(slash + 1);
    if (!rest.empty() && rest.back() == '\\')
        rest.remove_suffix(1);
    size_t start = 0;
    while (start <= rest.size() && !rest.empty()) {
        size_t end = rest.find('\\', start);
        if (end == std::string_view::npos)
            end = rest.size();
        const std::string name(rest.substr(start, end - start));
        if (!IsValidKeyName(name))
            throw LineError{"invalid key name \"" + name + "\""};
        key.Path += (key.Path.empty() ? "" : "\\") + name;
        start = end + 1;
    }
    if (key.Delete && key.Path.empty())
        throw LineError{"a root key cannot be deleted"};
    return key;
}

// What may follow a value's data: blanks and a comment.
void ExpectEnd(std::string_view rest) {
    const std::string tail = TrimBlanks(rest);
    if (!tail.empty() && tail[0] != ';')
        throw LineError{"unexpected text after the value: " + tail};
}

// A string of a hex(1), hex(2) or hex(7) value: UTF-16LE in version 5, 8-bit in REGEDIT4.
std::string DecodeStringBytes(const std::vector<uint8_t>& bytes, bool version5) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!version5)
        return AnsiToUtf8(raw);
    const auto text = Utf16LeToUtf8(raw);
    if (!text)
        throw LineError{"a UTF-16 string value has an odd number of bytes"};
    return *text;
}

RegValue TypedValue(uint32_t type, std::vector<uint8_t> bytes, bool version5) {
    RegValue value;
    value.Type = static_cast<RegValueType>(type);
    switch (value.Type) {
    case RegValueType::String:
    case RegValueType::ExpandString: {
        std::string text = DecodeStringBytes(bytes, version5);
        text = text.substr(0, text.find('\0')); // the terminator and anything after it
        value.Data.assign(text.begin(), text.end());
        return value;
    }
    case RegValueType::MultiString: {
        std::string text = DecodeStringBytes(bytes, version5);
        // Stored as items each ending with a NUL: the list's closing NUL is dropped, a missing
        // item terminator added, and a list of terminators only is the empty list.
        if (text.find_first_not_of('\0') == std::string::npos)
            text.clear();
        else if (text.back() != '\0')
            text += '\0';
        else if (text.size() >= 2 && text[text.size() - 2] == '\0')
            text.pop_back();
        value.Data.assign(text.begin(), text.end());
        return value;
    }
    default:
        value.Data = std::move(bytes);
        return value;
    }
}

RegValue ParseValueData(std::string_view data, bool version5) {
    RegValue value;
    if (!data.empty() && data[0] == '"') {
        size_t pos = 0;
        std::string error;
        const auto text = ReadQuoted(data, pos, Escapes::RegFile, error);
        if (!text)
            throw LineError{error};
        ExpectEnd(data.substr(pos));
        value.Type = RegValueType::String;
        value.Data.assign(text->begin(), text->end());
        return value;
    }
    const auto startsWith = [&](std::string_view prefix) {
        return data.size() >= prefix.size() && EqualsNoCase(data.substr(0, prefix.size()), prefix);
    };
    if (startsWith("dword:")) {
        const auto number = ParseHex32(TrimBlanks(data.substr(6)));
        if (!number)
            throw LineError{"expected dword: and 1 to 8 hexadecimal digits"};
        value.Type = RegValueType::DWord;
        for (int shift = 0; shift < 32; shift += 8)
            value.Data.push_back(static_cast<uint8_t>(*number >> shift));
        return value;
    }
    uint32_t type = static_cast<uint32_t>(RegValueType::Binary);
    size_t bytesAt;
    if (startsWith("hex:")) {
        bytesAt = 4;
    } else if (startsWith("hex(")) {
        const size_t close = data.find("):");
        const auto number =
            close == std::string_view::npos ? std::nullopt : ParseHex32(data.substr(4, close - 4));
        if (!number)
            throw LineError{"expected hex(type):"};
        type = *number;
        bytesAt = close + 2;
    } else {
        throw LineError{"unknown value data \"" + std::string(data.substr(0, 20)) + "\""};
    }
    const std::string_view list = data.substr(bytesAt);
    const size_t comment = list.find(';');
    auto bytes = ParseHexBytes(list.substr(0, comment));
    if (!bytes)
        throw LineError{"malformed hexadecimal bytes"};
    return TypedValue(type, std::move(*bytes), version5);
}

} // namespace

std::vector<RegFileChange> ParseRegFile(std::string_view bytes, const std::string& fileName) {
    const std::vector<std::string> lines = DecodeLines(bytes, fileName);
    const std::string header = TrimBlanks(lines.front());
    const bool version5 = header == Version5Header;
    if (!version5 && header != Version4Header)
        throw EParseError(fileName, 1,
                          "not a registry file (expected REGEDIT4 or Windows Registry Editor "
                          "Version 5.00)");
    std::vector<RegFileChange> changes;
    KeyLine key; // the key that values below belong to
    bool inKey = false;
    for (size_t index = 1; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        if (lines[index].find('\0') != std::string::npos)
            throw EParseError(fileName, lineNumber, "a NUL character in the text");
        std::string line = TrimBlanks(lines[index]);
        if (line.empty() || line[0] == ';')
            continue;
        try {
            if (line[0] == '[') {
                const KeyLine parsed = ParseKeyLine(line);
                inKey = !parsed.Delete;
                key = parsed;
                if (parsed.Stored)
                    changes.push_back({parsed.Delete ? RegFileChange::Kind::DeleteKey
                                                     : RegFileChange::Kind::CreateKey,
                                       parsed.Path,
                                       "",
                                       {},
                                       lineNumber});
                continue;
            }
            if (line[0] != '"' && line[0] != '@')
                throw LineError{"expected a [key] or a \"name\"=value line"};
            if (!inKey)
                throw LineError{"a value outside a key"};
            size_t pos = 1;
            std::string name;
            if (line[0] == '"') {
                pos = 0;
                std::string error;
                const auto quoted = ReadQuoted(line, pos, Escapes::RegFile, error);
                if (!quoted)
                    throw LineError{error};
                name = *quoted;
                if (!IsValidValueName(name))
                    throw LineError{"a control character in the value name"};
            }
            std::string rest = TrimBlanks(std::string_view(line).substr(pos));
            if (rest.empty() || rest[0] != '=')
                throw LineError{"expected = after the value name"};
            rest = TrimBlanks(std::string_view(rest).substr(1));
            // Hexadecimal lists go on over lines that end with "\".
            while (!rest.empty() && rest.back() == '\\' && rest[0] != '"' &&
                   index + 1 < lines.size()) {
                rest.pop_back();
                if (lines[index + 1].find('\0') != std::string::npos)
                    throw LineError{"a NUL character in the text"};
                rest += TrimBlanks(lines[++index]);
            }
            RegFileChange change{RegFileChange::Kind::SetValue, key.Path, name, {}, lineNumber};
            if (rest == "-")
                change.Type = RegFileChange::Kind::DeleteValue;
            else
                change.Value = ParseValueData(rest, version5);
            if (key.Stored)
                changes.push_back(std::move(change));
        } catch (const LineError& error) {
            throw EParseError(fileName, lineNumber, error.Message);
        }
    }
    return changes;
}

void ApplyRegFile(const std::vector<RegFileChange>& changes, RegistryHive& hive) {
    for (const auto& change : changes) {
        switch (change.Type) {
        case RegFileChange::Kind::DeleteKey:
            hive.DeleteKey(change.Key);
            break;
        case RegFileChange::Kind::CreateKey:
            hive.Create(change.Key);
            break;
        case RegFileChange::Kind::SetValue:
            SetValue(hive.Create(change.Key), change.Name, change.Value);
            break;
        case RegFileChange::Kind::DeleteValue:
            if (RegKey* key = hive.Find(change.Key))
                RemoveValue(*key, change.Name);
            break;
        }
    }
}

} // namespace sys
