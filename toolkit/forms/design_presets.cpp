// The built-in design presets. Preset 2 is the look this program loads; presets 3 to 10 are the
// product's other colour schemes over the same keys.
#include <utility>

#include "toolkit/forms/design_settings.h"

namespace tk {

namespace {

using TKeyValue = std::pair<const char*, const char*>;

// Preset 2 for every kind but mListe, after its two header lines.
const std::vector<TKeyValue>& BaseKeys() {
    static const std::vector<TKeyValue> keys = {
        {"ABO_Invisible_DATE", "0"},
        {"BOriz_DATE", "1"},
        {"BVert_DATE", "1"},
        {"BMP_DATEDATE", "?"},
        {"TIPDESIGN_DATE", "2"},
        {"TITLEBAR_DATE", "0"},
        {"COLOR_FLFontDATE", "1"},
        {"COLOR_FLSELFontDATE", "16777215"},
        {"COLOR_MODULFontDATE", "13676718"},
        {"COLOR_ModulSELFontDATE", "0"},
        {"BOLD_FLFONT_DATE", "1"},
        {"BOLD_MODULFONT_DATE", "1"},
        {"NAME_FLFONT_DATE", "MS Sans Serif"},
        {"NAME_MODULFONT_DATE", "MS Sans Serif"},
        {"SIZE_FLFONT_DATE", "8"},
        {"SIZE_ModulFONT_DATE", "8"},
        {"NAME_MENUFONT_DATE", "MS Sans Serif"},
        {"BOLD_MENUFONT_DATE", "1"},
        {"SIZE_MENUFONT_DATE", "8"},
        {"COLOR_MENUFONT_DATE", "1"},
        {"NAME_TAB_DATE", "MS Sans Serif"},
        {"BOLD_TAB_DATE", "1"},
        {"SIZE_TAB_DATE", "8"},
        {"COLOR_TAB_DATE", "4194368"},
        {"COLOR_TABINACTIV_DATE", "13290186"},
        {"COLOR_MODULE_DATE", "0"},
        {"COLOR_ACTIVI_DATE", "0"},
        {"COLOR_TABASORT_DATE", "1"},
        {"TipBulinaF_DATE", "4"},
        {"TipBulinaD_DATE", "0"},
        {"COLOR_DATE_START", "12040119"},
        {"COLOR_DATE_END", "16777215"},
        {"COLOR_TABDATE_START", "12040119"},
        {"COLOR_TABDATE_END", "16777215"},
        {"COLOR_TABINACTIVDATE_START", "15047949"},
        {"COLOR_TABINACTIVDATE_END", "15047949"},
        {"COLOR_MENUSELFONT_DATE", "3573502"},
        {"COLOR_SUBMENU_DATE", "$004B4B4B"},
        {"COLOR_SUBMENUSEL_DATE", "$00161616"},
        {"COLOR_SUBMENUFONT_DATE", "$00BEBEBE"},
        {"COLOR_SUBMENUSELFONT_DATE", "$00BEBEBE"},
        {"COLOR_VIEWSEL_DATE", "10474072"},
        {"COLOR_VIEW_DATE", "11644033"},
        {"COLOR_VIEWGRID_DATE", "12632256"},
        {"COLOR_LTITDATE_START", "14590721"},
        {"COLOR_LTITDATE_END", "14590721"},
        {"COLOR_LTITFontDATE", "16777215"},
        {"NAME_LTITFONT_DATE", "MS Sans Serif"},
        {"BOLD_LTITFONT_DATE", "8"},
        {"SIZE_LTITFONT_DATE", "1"},
        {"BFColorDATE_START", "11974326"},
        {"BFFColorDATE_START", "16777215"},
        {"BDColorDATE_START", "10263709"},
        {"BDFColorDATE_START", "16777215"},
        {"SubunitFColorDATE_START", "0"},
        {"UserFColorDATE_START", "0"},
        {"COLOR_BARA_DATE", "13290186"},
        {"COLOR_BUTBARA_DATE", "13290186"},
        {"COLOR_BARAFONT_DATE", "0"},
        {"BOLD_BARA_DATE", "1"},
        {"SIZE_BARA_DATE", "8"},
        {"NAME_BARA_DATE", "MS Sans Serif"},
    };
    return keys;
}

// The lines in which preset 2 of mListe differs.
const std::vector<TKeyValue>& ListeKeys() {
    static const std::vector<TKeyValue> keys = {
        {"TITLEBAR_DATE", "2"},
        {"COLOR_TAB_DATE", "16777215"},
        {"COLOR_TABINACTIV_DATE", "12040119"},
        {"COLOR_TABDATE_START", "13412194"},
        {"COLOR_TABINACTIVDATE_START", "14256651"},
        {"COLOR_TABINACTIVDATE_END", "12220728"},
        {"COLOR_SUBMENU_DATE", "13619151"},
        {"COLOR_SUBMENUSEL_DATE", "15724527"},
        {"COLOR_SUBMENUFONT_DATE", "0"},
        {"COLOR_SUBMENUSELFONT_DATE", "0"},
        {"COLOR_BARA_DATE", "12564885"},
        {"COLOR_BUTBARA_DATE", "13614725"},
    };
    return keys;
}

// The colour schemes of presets 3 to 10 ($BBGGRR values), laid over preset 2.
struct TScheme {
    const char* UserLabel;
    int Band;        // window band: COLOR_DATE_*, tab start
    int TabActive;   // active tab text
    int TabInactive; // inactive tab face
    int TitleBar;    // title gradient
    int Bar;         // tool bar and its buttons
    int Submenu;     // submenu face
    int SubmenuFont; // submenu text
};

const TScheme Schemes[] = {
    {"Albastru", 0xC8A064, 0x400040, 0xE8D4B4, 0xA05A14, 0xD8C0A0, 0x5A3C1E, 0xF0F0F0},
    {"Verde", 0x9CC8A0, 0x003000, 0xC8E4CC, 0x3C7840, 0xB4D4B8, 0x2A462C, 0xE6E6E6},
    {"Nisip", 0x9CC0D8, 0x203040, 0xD0E4F0, 0x4C7CA0, 0xB8D0E0, 0x3C4C5A, 0xF0F0F0},
    {"Grafit", 0x8C8C8C, 0xFFFFFF, 0xB4B4B4, 0x404040, 0xA0A0A0, 0x2A2A2A, 0xD0D0D0},
    {"Bordo", 0x6C6CB4, 0xFFFFFF, 0xA8A8D8, 0x28288C, 0x9090C8, 0x1E1E46, 0xE6E6E6},
    {"Oliv", 0x70A8A8, 0x102020, 0xB0D4D4, 0x3C6E6E, 0x94C0C0, 0x284646, 0xE6E6E6},
    {"Lavanda", 0xD0A8B8, 0x301020, 0xE8D4DC, 0x8C5070, 0xDCBCC8, 0x46283A, 0xF0F0F0},
    {"Contrast", 0x000000, 0x00FFFF, 0x404040, 0x800000, 0x202020, 0x000000, 0xFFFFFF},
};

std::vector<std::string> Lines(const std::string& userLabel, const std::vector<TKeyValue>& base,
                               const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<std::string> lines = {"[KSV_DESIGN]", "Cfg_User=" + userLabel};
    for (const auto& [key, value] : base) {
        std::string text = value;
        for (const auto& change : changes) {
            if (change.first == key)
                text = change.second;
        }
        lines.push_back(std::string(key) + "=" + text);
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> SchemeChanges(const TScheme& s, int preset) {
    auto n = [](int value) { return std::to_string(value); };
    // Presets 3 to 9 keep the design type in use; preset 10 names its own.
    int designType = preset == 10 ? 10 : TIPDESIGN;
    return {
        {"TIPDESIGN_DATE", n(designType)},
        {"COLOR_TAB_DATE", n(s.TabActive)},
        {"COLOR_TABINACTIV_DATE", n(DarkenColor(s.TabInactive, 3))},
        {"COLOR_DATE_START", n(s.Band)},
        {"COLOR_TABDATE_START", n(s.Band)},
        {"COLOR_TABINACTIVDATE_START", n(s.TabInactive)},
        {"COLOR_TABINACTIVDATE_END", n(s.TabInactive)},
        {"COLOR_LTITDATE_START", n(s.TitleBar)},
        {"COLOR_LTITDATE_END", n(s.TitleBar)},
        {"COLOR_SUBMENU_DATE", n(s.Submenu)},
        {"COLOR_SUBMENUSEL_DATE", n(LightenColor(s.Submenu, 4))},
        {"COLOR_SUBMENUFONT_DATE", n(s.SubmenuFont)},
        {"COLOR_SUBMENUSELFONT_DATE", n(s.SubmenuFont)},
        {"COLOR_BARA_DATE", n(s.Bar)},
        {"COLOR_BUTBARA_DATE", n(LightenColor(s.Bar, 8))},
    };
}

} // namespace

std::vector<std::string> DesignPresetText(TKesvModuleKind kind, int preset) {
    if (preset == 2) {
        std::vector<std::pair<std::string, std::string>> changes;
        if (kind == mListe) {
            for (const auto& [key, value] : ListeKeys())
                changes.emplace_back(key, value);
        }
        return Lines("", BaseKeys(), changes);
    }
    if (preset >= 3 && preset <= 10) {
        const TScheme& scheme = Schemes[preset - 3];
        return Lines(scheme.UserLabel, BaseKeys(), SchemeChanges(scheme, preset));
    }
    return {};
}

} // namespace tk
