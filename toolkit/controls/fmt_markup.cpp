#include "toolkit/controls/fmt_markup.h"

#include <cstdint>
#include <cstring>

namespace tk {

namespace {

constexpr ui::TColor FixedColors[16] = {ui::clBlack,  ui::clMaroon,  ui::clGreen, ui::clOlive,
                                        ui::clNavy,   ui::clPurple,  ui::clTeal,  ui::clGray,
                                        ui::clSilver, ui::clRed,     ui::clLime,  ui::clYellow,
                                        ui::clBlue,   ui::clFuchsia, ui::clAqua,  ui::clWhite};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsEscapable(char c) {
    return c != '\0' && std::strchr("$%&@~", c) != nullptr;
}

class TMarkupReader {
public:
    TMarkupReader(const std::string& caption, const ui::TFont& baseFont) : text_(caption) {
        current_.Font = baseFont;
        NewLine();
    }

    std::vector<TFmtLine> Read() {
        while (pos_ < text_.size())
            Step();
        return std::move(lines_);
    }

private:
    void Step() {
        char c = text_[pos_++];
        switch (c) {
        case '\r':
            NewLine();
            return;
        case '\\':
            if (pos_ < text_.size() && IsEscapable(text_[pos_]))
                Append(text_[pos_++]);
            else
                Append('\\');
            return;
        case '@':
        case '&':
        case '$':
            NumberCode(c);
            return;
        case '%':
            current_.Shadow = !current_.Shadow;
            AttributesChanged();
            return;
        case '~':
            current_.Blink = !current_.Blink;
            AttributesChanged();
            return;
        default:
            Append(c);
        }
    }

    // The digits after a code, kept as a 16-bit number however many there are.
    bool ReadNumber(uint16_t& value) {
        size_t start = pos_;
        uint16_t number = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            number = uint16_t(number * 10 + (text_[pos_++] - '0'));
        value = number;
        return pos_ > start;
    }

    void NumberCode(char code) {
        uint16_t value = 0;
        if (!ReadNumber(value))
            return;
        if (code == '@') {
            // A number outside the colour table leaves the colour as it is.
            ui::TColor color = 0;
            if (!FmtMarkupColor(value, color))
                return;
            current_.Font.SetColor(color);
        } else if (code == '&') {
            current_.Font.SetSize(value);
        } else {
            static constexpr ui::TFontStyles Styles[4] = {0, ui::fsItalic, ui::fsBold,
                                                          ui::fsBold | ui::fsItalic};
            if (value > 3)
                return;
            current_.Font.SetStyle(Styles[value]);
        }
        AttributesChanged();
    }

    // A segment that already has text keeps its look; the change starts a new one.
    void AttributesChanged() {
        TFmtSegment& segment = lines_.back().back();
        if (segment.Text.empty())
            segment.Attributes = current_;
        else
            lines_.back().push_back({std::string(), current_});
    }

    void NewLine() { lines_.push_back({TFmtSegment{std::string(), current_}}); }
    void Append(char c) { lines_.back().back().Text.push_back(c); }

    const std::string& text_;
    size_t pos_ = 0;
    TFmtAttributes current_;
    std::vector<TFmtLine> lines_;
};

} // namespace

bool FmtMarkupColor(int number, ui::TColor& color) {
    if (number < 0 || number >= FmtMarkupColorCount)
        return false;
    color = number < 16 ? FixedColors[number] : ui::SystemColor(number - 16);
    return true;
}

std::vector<TFmtLine> ParseFmtMarkup(const std::string& caption, const ui::TFont& baseFont) {
    return TMarkupReader(caption, baseFont).Read();
}

} // namespace tk
