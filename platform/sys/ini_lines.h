#pragma once
// The line rules of INI files, shared by the in-memory store and the file-backed reader/writer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

struct IniLine {
    enum class Kind { Blank, Comment, Section, Entry, Other };
    Kind Type = Kind::Blank;
    std::string Name;  // section or key name, trimmed
    std::string Value; // entry value, trimmed
};

IniLine ClassifyIniLine(std::string_view line);
// Splits text at LF (a CR before it dropped); a UTF-8 byte order mark at the start is skipped.
std::vector<std::string> SplitTextLines(std::string_view text);
// Decimal with an optional sign, or hexadecimal written "$1F" or "0x1F"; nullopt for anything
// else, including numbers beyond 32 bits.
std::optional<int> ParseIniInteger(std::string_view text);
// The lines with key set in section: its first entry replaced, or a new entry after the section's
// last entry, or a new section at the end. Comments and other lines stay as they were.
std::vector<std::string> WithIniValue(std::vector<std::string> lines, const std::string& section,
                                      const std::string& key, const std::string& value);

} // namespace sys
