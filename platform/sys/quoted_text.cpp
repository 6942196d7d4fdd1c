#include "platform/sys/quoted_text.h"

#include "platform/sys/ascii.h"

namespace sys {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = ToLowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<std::string> ReadQuoted(std::string_view text, size_t& pos, Escapes escapes,
                                      std::string& error) {
    if (pos >= text.size() || text[pos] != '"') {
        error = "expected a quoted text";
        return std::nullopt;
    }
    std::string out;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size())
            break;
        const char e = text[i];
        if (e == '\\' || e == '"') {
            out += e;
            continue;
        }
        if (escapes == Escapes::Hive) {
            if (e == 'n' || e == 'r' || e == 't' || e == '0') {
                out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : '\0';
                continue;
            }
            if (e == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                HexDigit(text[i + 2]) >= 0) {
                out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
                i += 2;
                continue;
            }
        }
        error = std::string("unknown escape \\") + e;
        return std::nullopt;
    }
    error = "the closing quote is missing";
    return std::nullopt;
}

bool HasControlCharacters(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return true;
    return false;
}

std::string Quote(std::string_view text, Escapes escapes) {
    static const char* const digits = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (escapes == Escapes::Hive && (byte < 32 || byte == 127)) {
            switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += "\\x";
                out += digits[byte >> 4];
                out += digits[byte & 15];
            }
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    const std::string all = TrimBlanks(text);
    if (all.empty())
        return bytes;
    size_t start = 0;
    while (start <= all.size()) {
        size_t comma = all.find(',', start);
        if (comma == std::string::npos)
            comma = all.size();
        const std::string item = TrimBlanks(std::string_view(all).substr(start, comma - start));
        if (item.empty()) {
            if (comma == all.size() && start == all.size())
                break; // a trailing comma
            return std::nullopt;
        }
        if (item.size() > 2 || HexDigit(item[0]) < 0 || (item.size() == 2 && HexDigit(item[1]) < 0))
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(
            item.size() == 1 ? HexDigit(item[0]) : HexDigit(item[0]) * 16 + HexDigit(item[1])));
        start = comma + 1;
    }
    return bytes;
}

std::optional<uint32_t> ParseHex32(std::string_view text) {
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

} // namespace sys
