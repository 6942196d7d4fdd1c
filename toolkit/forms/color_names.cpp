#include "toolkit/forms/color_names.h"

#include "platform/sys/ascii.h"

namespace tk {

namespace {

// A web colour as written #RRGGBB, turned into the platform's $BBGGRR.
constexpr ui::TColor Web(uint32_t rrggbb) {
    return ui::TColor(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF));
}

// clang-format off
constexpr TColorName Table[ColorNameCount] = {
    // The toolkit's interface colours.
    {0x3686FE, "clMenuTracking"},
    {0x1ECDF9, "clTitleBarEnd"},
    {0x9C9C9D, "cl1"},
    {0xA9A9A9, "cl2"},
    {0xB6B6B6, "clPaper"},
    {0xCFCFCF, "cl3"},
    {0xDFDFDF, "clGrid"},
    {0xEFEFEF, "clEdit"},
    {0xA7792E, "clOther"},
    {0x8A4507, "clActiveTitleBar"},
    {0x9A9A9A, "clInactiveTitleBar"},
    // The platform's system and basic colours.
    {ui::clSystemColor, "clSystemColor"},
    {ui::clScrollBar, "clScrollBar"},
    {ui::clBackground, "clBackground"},
    {ui::clActiveCaption, "clActiveCaption"},
    {ui::clInactiveCaption, "clInactiveCaption"},
    {ui::clMenu, "clMenu"},
    {ui::clWindow, "clWindow"},
    {ui::clWindowFrame, "clWindowFrame"},
    {ui::clMenuText, "clMenuText"},
    {ui::clWindowText, "clWindowText"},
    {ui::clCaptionText, "clCaptionText"},
    {ui::clActiveBorder, "clActiveBorder"},
    {ui::clInactiveBorder, "clInactiveBorder"},
    {ui::clAppWorkSpace, "clAppWorkSpace"},
    {ui::clHighlight, "clHighlight"},
    {ui::clHighlightText, "clHighlightText"},
    {ui::clBtnFace, "clBtnFace"},
    {ui::clBtnShadow, "clBtnShadow"},
    {ui::clGrayText, "clGrayText"},
    {ui::clBtnText, "clBtnText"},
    {ui::clInactiveCaptionText, "clInactiveCaptionText"},
    {ui::clBtnHighlight, "clBtnHighlight"},
    {ui::cl3DDkShadow, "cl3DDkShadow"},
    {ui::cl3DLight, "cl3DLight"},
    {ui::clInfoText, "clInfoText"},
    {ui::clInfoBk, "clInfoBk"},
    {ui::clHotLight, "clHotLight"},
    {ui::clGradientActiveCaption, "clGradientActiveCaption"},
    {ui::clGradientInactiveCaption, "clGradientInactiveCaption"},
    {ui::clMenuHighlight, "clMenuHighlight"},
    {ui::clMenuBar, "clMenuBar"},
    {ui::clBlack, "clBlack"},
    {ui::clMaroon, "clMaroon"},
    {ui::clGreen, "clGreen"},
    {ui::clOlive, "clOlive"},
    {ui::clNavy, "clNavy"},
    {ui::clPurple, "clPurple"},
    {ui::clTeal, "clTeal"},
    {ui::clGray, "clGray"},
    {ui::clSilver, "clSilver"},
    {ui::clRed, "clRed"},
    {ui::clLime, "clLime"},
    {ui::clYellow, "clYellow"},
    {ui::clBlue, "clBlue"},
    {ui::clFuchsia, "clFuchsia"},
    {ui::clAqua, "clAqua"},
    {ui::clLtGray, "clLtGray"},
    {ui::clDkGray, "clDkGray"},
    {ui::clWhite, "clWhite"},
    {ui::clMoneyGreen, "clMoneyGreen"},
    {ui::clSkyBlue, "clSkyBlue"},
    {ui::clCream, "clCream"},
    {ui::clMedGray, "clMedGray"},
    {ui::clNone, "clNone"},
    {ui::clDefault, "clDefault"},
    // The web colours.
    {Web(0xFFFAFA), "clWebSnow"},
    {Web(0xFFFAF0), "clWebFloralWhite"},
    {Web(0xFFF0F5), "clWebLavenderBlush"},
    {Web(0xFDF5E6), "clWebOldLace"},
    {Web(0xFFFFF0), "clWebIvory"},
    {Web(0xFFF8DC), "clWebCornSilk"},
    {Web(0xF5F5DC), "clWebBeige"},
    {Web(0xFAEBD7), "clWebAntiqueWhite"},
    {Web(0xF5DEB3), "clWebWheat"},
    {Web(0xF0F8FF), "clWebAliceBlue"},
    {Web(0xF8F8FF), "clWebGhostWhite"},
    {Web(0xE6E6FA), "clWebLavender"},
    {Web(0xFFF5EE), "clWebSeashell"},
    {Web(0xFFFFE0), "clWebLightYellow"},
    {Web(0xFFEFD5), "clWebPapayaWhip"},
    {Web(0xFFDEAD), "clWebNavajoWhite"},
    {Web(0xFFE4B5), "clWebMoccasin"},
    {Web(0xDEB887), "clWebBurlywood"},
    {Web(0xF0FFFF), "clWebAzure"},
    {Web(0xF5FFFA), "clWebMintcream"},
    {Web(0xF0FFF0), "clWebHoneydew"},
    {Web(0xFAF0E6), "clWebLinen"},
    {Web(0xFFFACD), "clWebLemonChiffon"},
    {Web(0xFFEBCD), "clWebBlanchedAlmond"},
    {Web(0xFFE4C4), "clWebBisque"},
    {Web(0xFFDAB9), "clWebPeachPuff"},
    {Web(0xD2B48C), "clWebTan"},
    {Web(0xFFFF00), "clWebYellow"},
    {Web(0xFF8C00), "clWebDarkOrange"},
    {Web(0xFF0000), "clWebRed"},
    {Web(0x8B0000), "clWebDarkRed"},
    {Web(0x800000), "clWebMaroon"},
    {Web(0xCD5C5C), "clWebIndianRed"},
    {Web(0xFA8072), "clWebSalmon"},
    {Web(0xFF7F50), "clWebCoral"},
    {Web(0xFFD700), "clWebGold"},
    {Web(0xFF6347), "clWebTomato"},
    {Web(0xDC143C), "clWebCrimson"},
    {Web(0xA52A2A), "clWebBrown"},
    {Web(0xD2691E), "clWebChocolate"},
    {Web(0xF4A460), "clWebSandyBrown"},
    {Web(0xFFA07A), "clWebLightSalmon"},
    {Web(0xF08080), "clWebLightCoral"},
    {Web(0xFFA500), "clWebOrange"},
    {Web(0xFF4500), "clWebOrangeRed"},
    {Web(0xB22222), "clWebFirebrick"},
    {Web(0x8B4513), "clWebSaddleBrown"},
    {Web(0xA0522D), "clWebSienna"},
    {Web(0xCD853F), "clWebPeru"},
    {Web(0xE9967A), "clWebDarkSalmon"},
    {Web(0xBC8F8F), "clWebRosyBrown"},
    {Web(0xEEE8AA), "clWebPaleGoldenrod"},
    {Web(0xFAFAD2), "clWebLightGoldenrodYellow"},
    {Web(0x808000), "clWebOlive"},
    {Web(0x228B22), "clWebForestGreen"},
    {Web(0xADFF2F), "clWebGreenYellow"},
    {Web(0x7FFF00), "clWebChartreuse"},
    {Web(0x90EE90), "clWebLightGreen"},
    {Web(0x7FFFD4), "clWebAquamarine"},
    {Web(0x2E8B57), "clWebSeaGreen"},
    {Web(0xDAA520), "clWebGoldenRod"},
    {Web(0xF0E68C), "clWebKhaki"},
    {Web(0x6B8E23), "clWebOliveDrab"},
    {Web(0x008000), "clWebGreen"},
    {Web(0x9ACD32), "clWebYellowGreen"},
    {Web(0x7CFC00), "clWebLawnGreen"},
    {Web(0x98FB98), "clWebPaleGreen"},
    {Web(0x66CDAA), "clWebMediumAquamarine"},
    {Web(0x3CB371), "clWebMediumSeaGreen"},
    {Web(0xB8860B), "clWebDarkGoldenRod"},
    {Web(0xBDB76B), "clWebDarkKhaki"},
    {Web(0x556B2F), "clWebDarkOliveGreen"},
    {Web(0x006400), "clWebDarkgreen"},
    {Web(0x32CD32), "clWebLimeGreen"},
    {Web(0x00FF00), "clWebLime"},
    {Web(0x00FF7F), "clWebSpringGreen"},
    {Web(0x00FA9A), "clWebMediumSpringGreen"},
    {Web(0x8FBC8F), "clWebDarkSeaGreen"},
    {Web(0x20B2AA), "clWebLightSeaGreen"},
    {Web(0xAFEEEE), "clWebPaleTurquoise"},
    {Web(0xE0FFFF), "clWebLightCyan"},
    {Web(0xADD8E6), "clWebLightBlue"},
    {Web(0x87CEFA), "clWebLightSkyBlue"},
    {Web(0x6495ED), "clWebCornFlowerBlue"},
    {Web(0x00008B), "clWebDarkBlue"},
    {Web(0x4B0082), "clWebIndigo"},
    {Web(0x48D1CC), "clWebMediumTurquoise"},
    {Web(0x40E0D0), "clWebTurquoise"},
    {Web(0x00FFFF), "clWebCyan"},
    {Web(0x00FFFF), "clWebAqua"},
    {Web(0xB0E0E6), "clWebPowderBlue"},
    {Web(0x87CEEB), "clWebSkyBlue"},
    {Web(0x4169E1), "clWebRoyalBlue"},
    {Web(0x0000CD), "clWebMediumBlue"},
    {Web(0x191970), "clWebMidnightBlue"},
    {Web(0x00CED1), "clWebDarkTurquoise"},
    {Web(0x5F9EA0), "clWebCadetBlue"},
    {Web(0x008B8B), "clWebDarkCyan"},
    {Web(0x008080), "clWebTeal"},
    {Web(0x00BFFF), "clWebDeepskyBlue"},
    {Web(0x1E90FF), "clWebDodgerBlue"},
    {Web(0x0000FF), "clWebBlue"},
    {Web(0x000080), "clWebNavy"},
    {Web(0x9400D3), "clWebDarkViolet"},
    {Web(0x9932CC), "clWebDarkOrchid"},
    {Web(0xFF00FF), "clWebMagenta"},
    {Web(0xFF00FF), "clWebFuchsia"},
    {Web(0x8B008B), "clWebDarkMagenta"},
    {Web(0xC71585), "clWebMediumVioletRed"},
    {Web(0xDB7093), "clWebPaleVioletRed"},
    {Web(0x8A2BE2), "clWebBlueViolet"},
    {Web(0xBA55D3), "clWebMediumOrchid"},
    {Web(0x9370DB), "clWebMediumPurple"},
    {Web(0x800080), "clWebPurple"},
    {Web(0xFF1493), "clWebDeepPink"},
    {Web(0xFFB6C1), "clWebLightPink"},
    {Web(0xEE82EE), "clWebViolet"},
    {Web(0xDA70D6), "clWebOrchid"},
    {Web(0xDDA0DD), "clWebPlum"},
    {Web(0xD8BFD8), "clWebThistle"},
    {Web(0xFF69B4), "clWebHotPink"},
    {Web(0xFFC0CB), "clWebPink"},
    {Web(0xB0C4DE), "clWebLightSteelBlue"},
    {Web(0x7B68EE), "clWebMediumSlateBlue"},
    {Web(0x778899), "clWebLightSlateGray"},
    {Web(0xFFFFFF), "clWebWhite"},
    {Web(0xD3D3D3), "clWebLightgrey"},
    {Web(0x808080), "clWebGray"},
    {Web(0x4682B4), "clWebSteelBlue"},
    // The product's document families, each with its darker companion.
    {0xCBAE7E, "clIntrari"},
    {0xB69C71, "clIntrariT"},
    {0xC1C1A8, "clIesiri"},
    {0xADAD97, "clIesiriT"},
    {0xC1B09B, "clInterne"},
    {0xAD9E8B, "clInterneT"},
    {0xACBDB1, "clTrezor"},
    {0x96AB9C, "clTrezorT"},
    {0xB7B7B7, "clImplicit"},
    {0xA4A4A4, "clImplicitT"},
};
// clang-format on

bool registered = false;

} // namespace

const TColorName* ColorNames() {
    return Table;
}

bool ColorNameToValue(const std::string& ident, ui::TColor& value) {
    for (const TColorName& entry : Table) {
        if (sys::EqualsNoCase(entry.Name, ident)) {
            value = entry.Value;
            return true;
        }
    }
    return false;
}

bool ColorValueToName(ui::TColor value, std::string& ident) {
    for (const TColorName& entry : Table) {
        if (entry.Value == value) {
            ident = entry.Name;
            return true;
        }
    }
    return false;
}

void RegisterColorNames() {
    if (registered)
        return;
    ui::RegisterColorIdentConverter(&ColorNameToValue, &ColorValueToName);
    registered = true;
}

void UnregisterColorNames() {
    if (!registered)
        return;
    ui::UnregisterColorIdentConverter(&ColorNameToValue, &ColorValueToName);
    registered = false;
}

} // namespace tk
