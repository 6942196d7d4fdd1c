// Captions drawn by the toolkit's controls: the accelerator letter in its own colour, and the
// engraved look of disabled text.
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {

// Bytes of the character that starts at pos (a whole UTF-8 sequence).
size_t CharLength(const std::string& text, size_t pos) {
    if (pos >= text.size())
        return 0;
    size_t end = pos + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - pos;
}

void Draw(ui::TCanvas& canvas, const std::string& text, ui::TRect rect, unsigned format) {
    ui::DrawText(canvas, text, rect, format);
}

} // namespace

void DrawAccelText(ui::TCanvas& canvas, const std::string& text, const ui::TRect& rect,
                   bool underline, ui::TColor accelColor, unsigned format) {
    // The platform draws text in the font colour, so the text colour needs no setting here.
    size_t amp = text.find('&');
    if (amp == std::string::npos) {
        Draw(canvas, text, rect, format);
        return;
    }
    size_t letterLength = CharLength(text, amp + 1);
    std::string before = text.substr(0, amp);
    std::string letter = text.substr(amp + 1, letterLength);
    std::string after = text.substr(amp + 1 + letterLength);

    ui::TRect r = rect;
    ui::DrawText(canvas, before + letter + after, r, format | ui::DT_CALCRECT | ui::DT_SINGLELINE);
    if (format & ui::DT_VCENTER) {
        r.Top = rect.Top;
        r.Bottom = rect.Bottom;
    }
    r.Right += 2;
    if (format & ui::DT_CENTER) {
        r = ui::OffsetRect(r, (rect.Right - r.Right) / 2, 0);
        format &= ~ui::DT_CENTER;
    } else if (format & ui::DT_RIGHT) {
        r = ui::OffsetRect(r, rect.Right - r.Right, 0);
        format &= ~ui::DT_RIGHT;
    }

    if (!before.empty()) {
        Draw(canvas, before, r, format);
        r.Left += canvas.TextWidth(before);
    }

    ui::TFont& font = canvas.Font();
    ui::TColor fontColor = font.Color();
    ui::TFontStyles style = font.Style();
    if (accelColor == fontColor)
        font.SetStyle(style ^ ui::fsUnderline);
    else
        font.SetColor(accelColor);
    if (underline)
        Draw(canvas, "&" + letter, r, format & ~ui::DT_NOPREFIX);
    else
        Draw(canvas, letter, r, format);
    r.Left += canvas.TextWidth(letter);
    font.SetColor(fontColor);
    font.SetStyle(style);

    Draw(canvas, after, r, format);
}

void DrawEngravedText(ui::TCanvas& canvas, const ui::TRect& rect, const std::string& text,
                      unsigned format) {
    canvas.Font().SetColor(ui::clWhite);
    Draw(canvas, text, ui::OffsetRect(rect, 1, 1), format);
    canvas.Font().SetColor(ui::clGray);
    Draw(canvas, text, rect, format);
}

} // namespace tk
