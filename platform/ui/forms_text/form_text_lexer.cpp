// Tokenising a form description's text.
#include "platform/ui/forms_text/form_text_lexer.h"
#include "platform/sys/utf16.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/sys/errors.h"

namespace ui::form_text {
namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Lexer::Lexer(std::string_view text, std::string fileName)
    : text_(text), fileName_(std::move(fileName)) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = 3;
    current_ = Scan();
}

void Lexer::Fail(int line, const std::string& what) const {
    throw sys::EParseError(fileName_, line, what);
}

Token Lexer::Next() {
    Token token = current_;
    current_ = Scan();
    return token;
}

void Lexer::SkipSpace() {
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v') {
            break;
        }
        ++pos_;
    }
}

Token Lexer::Scan() {
    SkipSpace();
    Token token;
    token.Line = line_;
    if (pos_ >= text_.size())
        return token;
    char c = text_[pos_];
    if (IsIdentStart(c)) {
        size_t start = pos_;
        while (pos_ < text_.size() && IsIdentChar(text_[pos_]))
            ++pos_;
        token.Kind = TokenKind::Identifier;
        token.Text = std::string(text_.substr(start, pos_ - start));
        return token;
    }
    if (IsDigit(c) || c == '$' ||
        (c == '-' && pos_ + 1 < text_.size() &&
         (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$')))
        return ScanNumber();
    if (c == '\'' || c == '#')
        return ScanString();
    token.Kind = TokenKind::Symbol;
    token.Text = std::string(1, c);
    ++pos_;
    return token;
}

Token Lexer::ScanNumber() {
    Token token;
    token.Line = line_;
    bool negative = false;
    if (text_[pos_] == '-') {
        negative = true;
        ++pos_;
    }
    if (text_[pos_] == '$') {
        ++pos_;
        uint64_t value = 0;
        size_t digits = 0;
        while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0) {
            if (++digits > 16)
                Fail(line_, "Hexadecimal number too large");
            value = value * 16 + uint64_t(HexValue(text_[pos_++]));
        }
        if (digits == 0)
            Fail(line_, "Invalid hexadecimal number");
        if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
            Fail(line_, "Invalid hexadecimal number");
        // Eight digits are a 32-bit value: $FFFFFFFF is -1, as the platform stores it.
        int64_t signedValue = digits <= 8 ? int64_t(int32_t(uint32_t(value))) : int64_t(value);
        token.Kind = TokenKind::Integer;
        token.Integer = negative ? -signedValue : signedValue;
        return token;
    }
    size_t start = pos_;
    while (pos_ < text_.size() && IsDigit(text_[pos_]))
        ++pos_;
    bool isFloat = false;
    if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
        isFloat = true;
        ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        size_t save = pos_++;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
            ++pos_;
        if (pos_ < text_.size() && IsDigit(text_[pos_])) {
            isFloat = true;
            while (pos_ < text_.size() && IsDigit(text_[pos_]))
                ++pos_;
        } else {
            pos_ = save;
        }
    }
    std::string digits(text_.substr(start, pos_ - start));
    // A float may carry its type letter: s(ingle), c(urrency), d(ate).
    if (isFloat && pos_ < text_.size() &&
        (text_[pos_] == 's' || text_[pos_] == 'c' || text_[pos_] == 'd' || text_[pos_] == 'S' ||
         text_[pos_] == 'C' || text_[pos_] == 'D'))
        ++pos_;
    if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
        Fail(line_, "Invalid number");
    if (isFloat) {
        token.Kind = TokenKind::Float;
        token.Float = std::strtod(digits.c_str(), nullptr) * (negative ? -1 : 1);
        return token;
    }
    errno = 0;
    unsigned long long value = std::strtoull(digits.c_str(), nullptr, 10);
    if (errno == ERANGE || value > uint64_t(std::numeric_limits<int64_t>::max()))
        Fail(line_, "Number too large");
    token.Kind = TokenKind::Integer;
    token.Integer = negative ? -int64_t(value) : int64_t(value);
    return token;
}

Token Lexer::ScanString() {
    Token token;
    token.Kind = TokenKind::String;
    token.Line = line_;
    // Quoted parts and character codes follow each other without spaces: 'a'#13#10'b'.
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
        if (text_[pos_] == '#') {
            ++pos_;
            uint32_t code = 0;
            size_t digits = 0;
            if (pos_ < text_.size() && text_[pos_] == '$') {
                ++pos_;
                while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0 && digits < 8) {
                    code = code * 16 + uint32_t(HexValue(text_[pos_++]));
                    ++digits;
                }
            } else {
                while (pos_ < text_.size() && IsDigit(text_[pos_]) && digits < 8) {
                    code = code * 10 + uint32_t(text_[pos_++] - '0');
                    ++digits;
                }
            }
            if (digits == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                Fail(line_, "Invalid character code");
            sys::AppendUtf8(token.Text, code);
            continue;
        }
        ++pos_; // opening quote
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
                Fail(token.Line, "Unterminated string");
            char c = text_[pos_++];
            if (c == '\'') {
                if (pos_ < text_.size() && text_[pos_] == '\'') {
                    token.Text += '\'';
                    ++pos_;
                    continue;
                }
                break;
            }
            token.Text += c;
        }
    }
    return token;
}

std::vector<uint8_t> Lexer::ReadBinary() {
    // The current token is the "{"; its text has been scanned past already, so read from the
    // position just after it.
    std::vector<uint8_t> bytes;
    int startLine = current_.Line;
    int high = -1;
    // Scan() moved past "{" only; the following characters are still unread.
    while (true) {
        if (pos_ >= text_.size())
            Fail(startLine, "Unterminated binary data");
        char c = text_[pos_++];
        if (c == '}')
            break;
        if (c == '\n') {
            ++line_;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r')
            continue;
        int value = HexValue(c);
        if (value < 0)
            Fail(line_, "Invalid binary data");
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(uint8_t(high * 16 + value));
            high = -1;
        }
    }
    if (high >= 0)
        Fail(line_, "Invalid binary data: odd number of digits");
    current_ = Scan();
    return bytes;
}

} // namespace ui::form_text
