#include "platform/sys/utf16.h"

#include <cstdint>

namespace sys {

namespace {

bool ContinuesSequence(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

void AppendUtf16(std::string& out, uint32_t code) {
    const auto unit = [&out](uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    if (code < 0x10000) {
        unit(code);
    } else {
        code -= 0x10000;
        unit(0xD800 | (code >> 10));
        unit(0xDC00 | (code & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at text[pos]; returns the code point and advances pos, or nullopt
// (pos unchanged) when the bytes there start no valid sequence.
std::optional<uint32_t> DecodeUtf8(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t first = byte(pos);
    if (first < 0x80) {
        ++pos;
        return first;
    }
    size_t length;
    uint32_t code;
    uint32_t minimum;
    if ((first & 0xE0) == 0xC0) {
        length = 2, code = first & 0x1F, minimum = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3, code = first & 0x0F, minimum = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4, code = first & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        code = code << 6 | (byte(pos + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return code;
}

} // namespace

std::optional<std::string> Utf16LeToUtf8(std::string_view bytes) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    const auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i]) |
                                     static_cast<uint8_t>(bytes[i + 1]) << 8);
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        if (const auto code = DecodeUtf8(text, pos)) {
            AppendUtf16(out, *code);
        } else {
            AppendUtf16(out, 0xFFFD);
            ++pos;
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size())
        if (!DecodeUtf8(text, pos))
            return false;
    return true;
}

std::string AnsiToUtf8(std::string_view text) {
    if (IsValidUtf8(text))
        return std::string(text);
    std::string out;
    for (const char c : text)
        AppendUtf8(out, static_cast<uint8_t>(c));
    return out;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

size_t Utf8Length(std::string_view text) {
    size_t count = 0;
    for (char byte : text)
        if (!ContinuesSequence(byte))
            ++count;
    return count;
}

std::string_view Utf8Prefix(std::string_view text, size_t count) {
    size_t end = 0;
    for (size_t started = 0; end < text.size(); ++end) {
        if (!ContinuesSequence(text[end]) && started++ == count)
            break;
    }
    return text.substr(0, end);
}

} // namespace sys
