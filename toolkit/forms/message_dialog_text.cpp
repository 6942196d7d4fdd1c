#include "toolkit/forms/message_dialog_text.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/draw_text.h"

namespace tk {

std::string MessageHeading;

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string LimitMessageText(const std::string& text) {
    if (text.size() <= kMessageTextLimit)
        return text;
    std::size_t end = kMessageTextLimit;
    while (end > 0 && IsUtf8Continuation(text[end]))
        --end;
    return text.substr(0, end);
}

std::string ComposeMessageText(const std::string& heading, const std::string& message) {
    if (heading.empty())
        return LimitMessageText(message);
    return LimitMessageText(UpperAscii(heading.substr(0, kMessageHeadingLimit)) + ",\r\r" +
                            message);
}

ui::TSize MeasureMessageText(const std::string& text, const ui::TFont& font, int screenWidth) {
    ui::TBitmap surface(1, 1);
    ui::TCanvas& canvas = surface.Canvas();
    canvas.SetFont(font);
    ui::TRect rect = ui::Rect(0, 0, screenWidth / 2, 0);
    ui::DrawText(canvas, text, rect, ui::DT_CALCRECT | ui::DT_WORDBREAK);
    return {rect.Width(), rect.Height()};
}

} // namespace tk
