#pragma once
// Quoted names and strings and comma-separated hex bytes, as registry text writes them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

enum class Escapes {
    RegFile, // \\ and \" only, as the registry editor writes them
    Hive,    // also \n \r \t \0 and \xHH, so that any bytes survive one line of system.reg
};

// Reads a quoted text starting at text[pos] == '"'; pos ends after the closing quote. On a
// malformed text returns nullopt and sets error.
std::optional<std::string> ReadQuoted(std::string_view text, size_t& pos, Escapes escapes,
                                      std::string& error);
// The text in quotes with the escapes it needs. With Escapes::RegFile the text must hold no
// control characters (callers write those values as hex).
std::string Quote(std::string_view text, Escapes escapes);
bool HasControlCharacters(std::string_view text);

// "01,ab, 7f" -> bytes (blanks around items and one trailing comma allowed); nullopt when an item
// is not one or two hexadecimal digits.
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text);
// Parses 1-8 hexadecimal digits; nullopt otherwise.
std::optional<uint32_t> ParseHex32(std::string_view text);

} // namespace sys
