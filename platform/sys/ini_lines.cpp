#include "platform/sys/ini_lines.h"

#include "platform/sys/ascii.h"

#include <cstdint>

namespace sys {

IniLine ClassifyIniLine(std::string_view line) {
    const std::string text = TrimBlanks(line);
    IniLine out;
    if (text.empty())
        return out;
    if (text[0] == ';' || text[0] == '#') {
        out.Type = IniLine::Kind::Comment;
        return out;
    }
    if (text[0] == '[') {
        const size_t close = text.find(']');
        if (close != std::string::npos) {
            out.Type = IniLine::Kind::Section;
            out.Name = TrimBlanks(std::string_view(text).substr(1, close - 1));
            return out;
        }
    }
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        out.Type = IniLine::Kind::Other;
        return out;
    }
    out.Type = IniLine::Kind::Entry;
    out.Name = TrimBlanks(std::string_view(text).substr(0, equals));
    out.Value = TrimBlanks(std::string_view(text).substr(equals + 1));
    return out;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<int> ParseIniInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && ToLowerAscii(c) >= 'a' && ToLowerAscii(c) <= 'f')
            digit = ToLowerAscii(c) - 'a' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        // Hexadecimal may spell a negative number ($FFFFFFFF is -1), decimal may not overflow.
        if (value > (base == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000}))
            return std::nullopt;
    }
    if (base == 16 && value > 0x7FFFFFFF)
        value -= int64_t{1} << 32;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::vector<std::string> WithIniValue(std::vector<std::string> lines, const std::string& section,
                                      const std::string& key, const std::string& value) {
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool seenSection = false;
    std::optional<size_t> insertAt;
    for (size_t i = 0; i < lines.size(); ++i) {
        const IniLine line = ClassifyIniLine(lines[i]);
        if (line.Type == IniLine::Kind::Section) {
            // Only the first section of that name counts, as for the readers.
            inSection = !seenSection && EqualsNoCase(line.Name, section);
            if (inSection) {
                seenSection = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection || line.Type != IniLine::Kind::Entry)
            continue;
        if (EqualsNoCase(line.Name, key)) {
            lines[i] = entry;
            return lines;
        }
        insertAt = i + 1;
    }
    if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
        return lines;
    }
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
    return lines;
}

} // namespace sys
