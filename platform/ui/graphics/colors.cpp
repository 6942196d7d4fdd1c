// The fixed system colour table, colour resolution and the colour identifier converters.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/ui/graphics/types.h"

namespace ui {
namespace {

// The classic desktop scheme, fixed so that every picture is the same on every machine.
constexpr TColorRef kSystemColors[COLOR_SYSTEM_COUNT] = {
    RGB(192, 192, 192), // scroll bar
    RGB(0, 128, 128),   // desktop background
    RGB(0, 0, 128),     // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(192, 192, 192), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(192, 192, 192), // active border
    RGB(192, 192, 192), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(0, 0, 128),     // highlight
    RGB(255, 255, 255), // highlight text
    RGB(192, 192, 192), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(192, 192, 192), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(0, 0, 0),       // 3-D dark shadow
    RGB(192, 192, 192), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
    RGB(180, 180, 180), // alternate button face
    RGB(0, 0, 255),     // hot-tracked item
    RGB(16, 132, 208),  // active caption gradient
    RGB(192, 192, 192), // inactive caption gradient
    RGB(0, 0, 128),     // menu highlight
    RGB(192, 192, 192), // menu bar
};

struct ColorName {
    TColor Value;
    const char* Name;
};

// The platform's names, in the order ColorToIdent searches them: the first entry of a shared
// value names it.
constexpr ColorName kColorNames[] = {
    {clSystemColor, "clSystemColor"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

bool SameTextAscii(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return i == a.size() && b[i] == 0;
}

struct Converters {
    std::mutex Lock;
    std::vector<std::pair<TIdentToColor, TColorToIdent>> Pairs{
        {PlatformIdentToColor, PlatformColorToIdent}};
};

Converters& TheConverters() {
    static Converters converters;
    return converters;
}

std::vector<std::pair<TIdentToColor, TColorToIdent>> ConvertersNewestFirst() {
    auto& c = TheConverters();
    std::lock_guard guard(c.Lock);
    return {c.Pairs.rbegin(), c.Pairs.rend()};
}

// A whole-text integer as the run-time library reads it: optional sign, decimal or "$"/"0x" hex.
bool ParseInteger(const std::string& text, long long& out) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return false;
    unsigned long long value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : 99;
        if (digit >= base)
            return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return false;
    }
    out = negative ? -(long long)value : (long long)value;
    return true;
}

} // namespace

TRect InflateRect(const TRect& r, int dx, int dy) {
    return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

TRect OffsetRect(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

bool IntersectRect(TRect& out, const TRect& a, const TRect& b) {
    out = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    if (out.IsEmpty()) {
        out = {};
        return false;
    }
    return true;
}

TColorRef GetSysColor(int index) {
    if (index < 0 || index >= COLOR_SYSTEM_COUNT)
        return 0;
    return kSystemColors[index];
}

TColorRef ColorToRGB(TColor color) {
    if (color == clDefault)
        return GetSysColor(COLOR_WINDOW);
    if (color == clNone)
        return 0;
    if (color < 0)
        return GetSysColor(color & 0xFF);
    return TColorRef(color) & 0xFFFFFF;
}

bool PlatformIdentToColor(const std::string& ident, TColor& color) {
    for (const auto& entry : kColorNames) {
        if (SameTextAscii(ident, entry.Name)) {
            color = entry.Value;
            return true;
        }
    }
    return false;
}

bool PlatformColorToIdent(TColor color, std::string& ident) {
    for (const auto& entry : kColorNames) {
        if (entry.Value == color) {
            ident = entry.Name;
            return true;
        }
    }
    return false;
}

void RegisterColorIdentConverter(TIdentToColor toColor, TColorToIdent toIdent) {
    auto& c = TheConverters();
    std::lock_guard guard(c.Lock);
    c.Pairs.emplace_back(toColor, toIdent);
}

void UnregisterColorIdentConverter(TIdentToColor toColor, TColorToIdent toIdent) {
    auto& c = TheConverters();
    std::lock_guard guard(c.Lock);
    auto it = std::find(c.Pairs.rbegin(), c.Pairs.rend(), std::make_pair(toColor, toIdent));
    if (it != c.Pairs.rend())
        c.Pairs.erase(std::next(it).base());
}

bool IdentToColor(const std::string& ident, TColor& color) {
    for (const auto& pair : ConvertersNewestFirst()) {
        if (pair.first && pair.first(ident, color))
            return true;
    }
    return false;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const auto& pair : ConvertersNewestFirst()) {
        if (pair.second && pair.second(color, ident))
            return true;
    }
    return false;
}

TColor StringToColor(const std::string& text) {
    TColor color = clBlack;
    if (IdentToColor(text, color))
        return color;
    long long number = 0;
    if (!ParseInteger(text, number) || number < INT32_MIN || number > UINT32_MAX)
        throw std::invalid_argument("'" + text + "' is not a valid colour");
    return TColor(uint32_t(number));
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorToIdent(color, ident))
        return ident;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%.8X", uint32_t(color));
    return buffer;
}

} // namespace ui
