#pragma once
// The tokens of a form description's text: identifiers, numbers, strings (quoted parts and "#n"
// character codes run together), binary blocks and single-character symbols, each with its line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui::form_text {

enum class TokenKind { End, Identifier, Integer, Float, String, Symbol };

struct Token {
    TokenKind Kind = TokenKind::End;
    std::string Text; // identifier as written, string value (UTF-8), or the symbol
    int64_t Integer = 0;
    double Float = 0;
    int Line = 1;
};

class Lexer {
public:
    Lexer(std::string_view text, std::string fileName);
    // The current token, and moving past it.
    const Token& Peek() const { return current_; }
    Token Next();
    // Reads the hexadecimal digits after a "{" up to "}" (the "{" is the current token).
    std::vector<uint8_t> ReadBinary();
    [[noreturn]] void Fail(int line, const std::string& what) const;

private:
    Token Scan();
    void SkipSpace();
    Token ScanNumber();
    Token ScanString();

    std::string_view text_;
    std::string fileName_;
    size_t pos_ = 0;
    int line_ = 1;
    Token current_;
};

} // namespace ui::form_text
