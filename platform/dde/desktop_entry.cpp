#include "platform/dde/desktop_entry.h"

#include <cstdint>
#include <cstdio>

namespace dde {

namespace {

constexpr size_t MaxIdPartLength = 40;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

uint32_t Fnv1a(std::string_view text) {
    uint32_t hash = 2166136261u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

std::string EscapeValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string DesktopIdPart(std::string_view name) {
    std::string lower;
    for (char c : name)
        lower += LowerAscii(c);
    std::string part;
    for (char c : lower) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (plain)
            part += c;
        else if (!part.empty() && part.back() != '_')
            part += '_';
    }
    while (!part.empty() && part.back() == '_')
        part.pop_back();
    if (part == lower && !part.empty() && part.size() <= MaxIdPartLength)
        return part;
    if (part.size() > MaxIdPartLength)
        part.resize(MaxIdPartLength);
    char hash[10];
    std::snprintf(hash, sizeof hash, "%08x", Fnv1a(lower));
    return (part.empty() ? "x" : part) + "_" + hash;
}

std::string QuoteExecArgument(std::string_view arg) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = arg.empty() || arg.find_first_of(reserved) != std::string_view::npos;
    std::string out;
    if (quote)
        out += '"';
    for (char c : arg) {
        if (c == '%')
            out += "%%";
        else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += std::string("\\") + c;
        else
            out += c;
    }
    if (quote)
        out += '"';
    return out;
}

std::string ExecLine(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& arg : argv) {
        if (!line.empty())
            line += ' ';
        line += QuoteExecArgument(arg);
    }
    return line;
}

std::string DesktopEntryText(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text = "[Desktop Entry]\n";
    for (const auto& [key, value] : entries)
        text += key + "=" + EscapeValue(value) + "\n";
    return text;
}

} // namespace dde
