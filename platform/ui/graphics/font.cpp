// TFont: logical fonts, the substitution table, symbol faces and fonts registered from memory.
#include "platform/ui/graphics/font.h"
#include "platform/sys/utf16.h"

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include <cmath>
#include <map>
#include <mutex>
#include <set>

namespace ui {
namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

constexpr const char* kDefaultFamily = "Liberation Sans";
constexpr const char* kSymbolFamily = "DejaVu Sans";

// The platform's faces and the installed families that stand in for them. Liberation Sans is
// closest to the dialog face at 8 points (metrics of the same width class); Tahoma and Verdana
// are wider, as DejaVu Sans is.
const std::pair<const char*, const char*> kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"System", "Liberation Sans"},
    {"Small Fonts", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"MS Serif", "Liberation Serif"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Fixedsys", "Liberation Mono"},
    {"Terminal", "Liberation Mono"},
    {"Lucida Console", "DejaVu Sans Mono"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Wingdings", kSymbolFamily},
    {"Webdings", kSymbolFamily},
    {"Marlett", kSymbolFamily},
    {"Symbol", kSymbolFamily},
};

struct Table {
    std::mutex Lock;
    std::map<std::string, std::string> Families; // lower-case logical name -> family
};

Table& TheTable() {
    static Table table;
    return table;
}

// Wingdings codes and the characters they draw.
const std::map<unsigned char, char32_t> kWingdings = {
    {0x4A, U'\u263A'}, {0x4C, U'\u2639'}, {0x6C, U'\u25CF'}, {0x6E, U'\u25A0'}, {0x6F, U'\u25A1'},
    {0x71, U'\u2751'}, {0x75, U'\u25C6'}, {0x76, U'\u2756'}, {0x9F, U'\u2022'}, {0xA1, U'\u25CB'},
    {0xA7, U'\u25AA'}, {0xA8, U'\u25FB'}, {0xAB, U'\u2605'}, {0xDF, U'\u2190'}, {0xE0, U'\u2192'},
    {0xE1, U'\u2191'}, {0xE2, U'\u2193'}, {0xE8, U'\u2794'}, {0xEF, U'\u21E6'}, {0xF0, U'\u21E8'},
    {0xF1, U'\u21E7'}, {0xF2, U'\u21E9'}, {0xFB, U'\u2718'}, {0xFC, U'\u2714'}, {0xFD, U'\u2612'},
    {0xFE, U'\u2611'},
};

// Marlett codes: the window and control glyphs.
const std::map<unsigned char, char32_t> kMarlett = {
    {'0', U'\u2581'}, {'1', U'\u25A1'}, {'2', U'\u2750'}, {'3', U'\u25C0'}, {'4', U'\u25B6'},
    {'5', U'\u25B2'}, {'6', U'\u25BC'}, {'8', U'\u25BE'}, {'a', U'\u2713'}, {'h', U'\u2022'},
    {'i', U'\u2022'}, {'n', U'\u25CF'}, {'r', U'\u2715'},
};

bool SameName(const std::string& a, const char* b) {
    return Lower(a) == Lower(b);
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    long long product = (long long)number * numerator;
    // Rounded half away from zero, as the platform's MulDiv.
    long long half = std::llabs(denominator) / 2;
    long long result = (product >= 0) == (denominator >= 0)
                           ? (std::llabs(product) + half) / std::llabs(denominator)
                           : -((std::llabs(product) + half) / std::llabs(denominator));
    return int(result);
}

void TFont::SetName(const std::string& value) {
    if (name_ == value)
        return;
    name_ = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (height_ == value)
        return;
    height_ = value;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, pixelsPerInch_);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, pixelsPerInch_, 72));
}

void TFont::SetStyle(TFontStyles value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value) {
    if (pitch_ == value)
        return;
    pitch_ = value;
    Changed();
}

void TFont::SetCharset(TFontCharset value) {
    if (charset_ == value)
        return;
    charset_ = value;
    Changed();
}

void TFont::SetPixelsPerInch(int value) {
    if (value > 0)
        pixelsPerInch_ = value;
}

void TFont::Assign(const TFont& source) {
    if (*this == source && pixelsPerInch_ == source.pixelsPerInch_)
        return;
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    pitch_ = source.pitch_;
    charset_ = source.charset_;
    pixelsPerInch_ = source.pixelsPerInch_;
    Changed();
}

bool operator==(const TFont& a, const TFont& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ &&
           a.color_ == b.color_ && a.pitch_ == b.pitch_ && a.charset_ == b.charset_;
}

QFont TFont::ToQFont() const {
    std::string family = IsSymbolFont(*this) ? SymbolFontFamily() : ResolveFontFamily(name_);
    QFont font(QString::fromStdString(family));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    if (pitch_ == fpFixed)
        font.setFixedPitch(true);
    int pixels = 11;
    if (height_ < 0) {
        pixels = -height_;
    } else if (height_ > 0) {
        // A positive height is the cell height (ascent + descent): find the character height
        // that gives it.
        QFont probe = font;
        probe.setPixelSize(100);
        QFontMetrics metrics(probe);
        int cell = metrics.ascent() + metrics.descent();
        pixels = cell > 0 ? std::max(1, int(std::lround(height_ * 100.0 / cell))) : height_;
    }
    font.setPixelSize(pixels);
    return font;
}

void InstallFontSubstitutes() {
    for (const auto& [name, family] : kSubstitutes)
        AddFontSubstitute(name, family);
}

void AddFontSubstitute(const std::string& logicalName, const std::string& family) {
    {
        auto& table = TheTable();
        std::lock_guard guard(table.Lock);
        table.Families[Lower(logicalName)] = family;
    }
    // Qt widgets given the logical name directly find the same family.
    QFont::removeSubstitutions(QString::fromStdString(logicalName));
    QFont::insertSubstitution(QString::fromStdString(logicalName), QString::fromStdString(family));
}

std::string ResolveFontFamily(const std::string& logicalName) {
    {
        auto& table = TheTable();
        std::lock_guard guard(table.Lock);
        auto it = table.Families.find(Lower(logicalName));
        if (it != table.Families.end())
            return it->second;
    }
    if (!logicalName.empty() && QFontDatabase::hasFamily(QString::fromStdString(logicalName)))
        return logicalName;
    // A face that is not installed falls back to the dialog face, never to whatever the
    // machine's font configuration would pick.
    return kDefaultFamily;
}

std::string SymbolFontFamily() {
    return kSymbolFamily;
}

bool IsSymbolFont(const TFont& font) {
    if (font.Charset() == SYMBOL_CHARSET)
        return true;
    for (const char* name : {"Wingdings", "Webdings", "Marlett", "Symbol"})
        if (SameName(font.Name(), name))
            return true;
    return false;
}

std::string SymbolText(const TFont& font, const std::string& text) {
    if (!IsSymbolFont(font))
        return text;
    const auto& table = SameName(font.Name(), "Marlett") ? kMarlett : kWingdings;
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = (unsigned char)text[i];
        char32_t code = lead;
        size_t length = 1;
        // Codes 128-255 arrive as two-byte UTF-8 sequences.
        if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() && lead <= 0xC3) {
            code = char32_t(((lead & 0x1F) << 6) | ((unsigned char)text[i + 1] & 0x3F));
            length = 2;
        } else if (lead >= 0x80) {
            out.append(text, i, 1);
            ++i;
            continue;
        }
        auto it = table.find((unsigned char)code);
        if (it != table.end())
            sys::AppendUtf8(out, it->second);
        else
            out.append(text, i, length);
        i += length;
    }
    return out;
}

namespace {
// The handles given out and not yet removed.
std::set<HFONTRES>& LiveFontHandles() {
    static std::set<HFONTRES> handles;
    return handles;
}
} // namespace

HFONTRES AddFontMemResource(const std::vector<uint8_t>& data) {
    if (data.empty())
        return 0;
    int id = QFontDatabase::addApplicationFontFromData(
        QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())));
    if (id < 0)
        return 0;
    LiveFontHandles().insert(id + 1);
    return id + 1;
}

std::vector<std::string> FontMemResourceFamilies(HFONTRES handle) {
    std::vector<std::string> families;
    if (!LiveFontHandles().count(handle))
        return families;
    for (const QString& family : QFontDatabase::applicationFontFamilies(handle - 1))
        families.push_back(family.toStdString());
    return families;
}

bool RemoveFontMemResource(HFONTRES handle) {
    if (!LiveFontHandles().erase(handle))
        return false;
    return QFontDatabase::removeApplicationFont(handle - 1);
}

} // namespace ui
