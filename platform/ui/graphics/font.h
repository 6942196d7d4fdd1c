#pragma once
// TFont: a logical font named as the program names it ("MS Sans Serif", "Times New Roman"),
// mapped to an installed family through the substitution table. Height and Size follow the
// platform's rule: a negative Height is the character height in pixels, Size is points at the
// font's pixels per inch (96 unless a form scales it).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/graphics/graphics_object.h"
#include "platform/ui/graphics/types.h"

class QFont;

namespace ui {

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;
constexpr TFontCharset OEM_CHARSET = 255;

class TFont : public TGraphicsObject {
public:
    TFont() = default;
    TFont(const TFont& other) = default; // copies values, not the change hook
    TFont& operator=(const TFont& other) = default;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    int Height() const { return height_; }
    void SetHeight(int value);
    int Size() const;         // -MulDiv(Height, 72, PixelsPerInch)
    void SetSize(int points); // Height := -MulDiv(points, PixelsPerInch, 72)
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch value);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset value);
    // The pixels per inch at which Size converts to Height; changing it keeps Height.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value);

    void Assign(const TFont& source); // copies every value and notifies once
    friend bool operator==(const TFont& a, const TFont& b);

    // The Qt font this logical font stands for: substituted family, pixel size, style,
    // no antialiasing, full hinting.
    QFont ToQFont() const;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    TFontPitch pitch_ = fpDefault;
    TFontCharset charset_ = DEFAULT_CHARSET;
    int pixelsPerInch_ = 96;
};

int MulDiv(int number, int numerator, int denominator); // rounded, -1 on a zero denominator

// The substitution table: a logical family name (without regard to case) -> installed family.
// InstallFontSubstitutes loads the platform's table; call it at start-up before any font is made.
void InstallFontSubstitutes();
void AddFontSubstitute(const std::string& logicalName, const std::string& family);
// The installed family a logical name resolves to (the name itself when not in the table).
std::string ResolveFontFamily(const std::string& logicalName);
// The family that symbol fonts resolve to (one that has the done mark's glyph).
std::string SymbolFontFamily();
// A symbol font is one with the symbol charset or one of the platform's symbol faces
// ("Wingdings", "Marlett", "Webdings", "Symbol"). Its text is a string of symbol codes (each
// character below 256 is a code); SymbolText gives the characters they draw (the done mark
// "\xFC" of Wingdings is a heavy check mark), codes without a mapping unchanged.
bool IsSymbolFont(const TFont& font);
std::string SymbolText(const TFont& font, const std::string& text);

// Fonts registered from memory for this process only. The handle is 0 when the data is not a
// usable font; Families lists what the data registered.
using HFONTRES = int;
HFONTRES AddFontMemResource(const std::vector<uint8_t>& data);
std::vector<std::string> FontMemResourceFamilies(HFONTRES handle);
bool RemoveFontMemResource(HFONTRES handle);

} // namespace ui
