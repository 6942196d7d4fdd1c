#include "toolkit/forms/design_settings.h"

#include "platform/sys/ini.h"

namespace tk {

std::array<TDesignRecord, ModuleKindCount> DesignTable;
int TIPDESIGN = 0;
int TITLEBAR = 0;

namespace {

const char* const DesignSection = "KSV_DESIGN";

// Key names: a stem, the module suffix, and for some stems "_START" or "_END". Every module
// kind uses the suffix "DATE".
class TDesignKeys {
public:
    explicit TDesignKeys(const sys::TMemIniFile& ini) : ini_(ini) {}

    int Int(const std::string& stem, int def) const { return Read(stem + Suffix, def); }
    int Start(const std::string& stem, int def) const {
        return Read(stem + Suffix + "_START", def);
    }
    int End(const std::string& stem, int def) const { return Read(stem + Suffix + "_END", def); }
    std::string Name(const std::string& stem, const std::string& def) const {
        std::string value = ini_.ReadString(DesignSection, stem + Suffix, def);
        if (value.size() > MaxFontNameLength)
            value.resize(MaxFontNameLength);
        return value;
    }

private:
    static constexpr const char* Suffix = "DATE";
    int Read(const std::string& key, int def) const {
        return ini_.ReadInteger(DesignSection, key, def);
    }
    const sys::TMemIniFile& ini_;
};

const char* const DefaultFont = "MS Sans Serif";

void ReadRecord(const TDesignKeys& k, bool liste, TDesignRecord& r) {
    // Where the kinds differ, the second value is mListe's.
    auto pick = [liste](int other, int forListe) { return liste ? forListe : other; };
    TIPDESIGN = k.Int("TIPDESIGN_", pick(3, 4));
    TITLEBAR = k.Int("TITLEBAR_", pick(0, 1));
    r.NameMenuFont = k.Name("NAME_MENUFONT_", DefaultFont);
    r.BoldMenuFont = k.Int("BOLD_MENUFONT_", 0);
    r.SizeMenuFont = k.Int("SIZE_MENUFONT_", 8);
    r.ColorMenuFont = k.Int("COLOR_MENUFONT_", 0x403926);
    r.ColorMenuSelFont = k.Int("COLOR_MENUSELFONT_", 0x3686FE);
    r.ColorFLFont = k.Int("COLOR_FLFont", pick(0x7F7F7F, 0));
    r.ColorFLSelFont = k.Int("COLOR_FLSELFont", pick(0xEFAE00, 0xC89200));
    r.ColorModulFont = k.Int("COLOR_MODULFont", pick(0x7F7F7F, 0));
    r.ColorModulSelFont = k.Int("COLOR_ModulSELFont", 0);
    r.BoldFLFont = k.Int("BOLD_FLFONT_", 1);
    r.BoldModulFont = k.Int("BOLD_MODULFONT_", 1);
    r.NameFLFont = k.Name("NAME_FLFONT_", DefaultFont);
    r.SizeFLFont = k.Int("SIZE_FLFONT_", 8);
    r.NameModulFont = k.Name("NAME_ModulFONT_", DefaultFont);
    r.SizeModulFont = k.Int("SIZE_ModulFONT_", 8);
    r.ColorSubmenu = k.Int("COLOR_SUBMENU_", 0xCFCFCF);
    r.ColorSubmenuSel = k.Int("COLOR_SUBMENUSEL_", 0xEFEFEF);
    r.ColorSubmenuFont = k.Int("COLOR_SUBMENUFONT_", 0);
    r.ColorSubmenuSelFont = k.Int("COLOR_SUBMENUSELFONT_", 0);
    r.ColorBara = k.Int("COLOR_BARA_", 0xB6B6B6);
    r.ColorButBara = k.Int("COLOR_BUTBARA_", 0xCFCFCF);
    r.ColorBaraFont = k.Int("COLOR_BARAFONT_", 0);
    r.NameBara = k.Name("NAME_BARA_", DefaultFont);
    r.BoldBara = k.Int("BOLD_BARA_", 1);
    r.SizeBara = k.Int("SIZE_BARA_", 8);
    r.NameTab = k.Name("NAME_TAB_", DefaultFont);
    r.BoldTab = k.Int("BOLD_TAB_", 1);
    r.SizeTab = k.Int("SIZE_TAB_", 10);
    r.ColorTab = k.Int("COLOR_TAB_", 0);
    r.ColorModule = k.Int("COLOR_MODULE_", 0);
    r.ColorActivi = k.Int("COLOR_ACTIVI_", 0);
    r.ColorTabAsort = k.Int("COLOR_TABASORT_", 1);
    r.TipBulinaF = k.Int("TipBulinaF_", 4);
    r.TipBulinaD = k.Int("TipBulinaD_", 0);
    r.ColorTabDateStart = k.Start("COLOR_TAB", pick(0x976A28, 0xCCCCCC));
    r.ColorTabDateEnd = k.End("COLOR_TAB", pick(0x976A28, 0xCCCCCC));
    r.ColorViewSel = k.Int("COLOR_VIEWSEL_", 0x9FD258);
    r.ColorView = k.Int("COLOR_VIEW_", 0xB1AC81);
    r.ColorViewGrid = k.Int("COLOR_VIEWGRID_", 0xC0C0C0);
    r.ColorLTitDateStart = k.Start("COLOR_LTIT", r.ColorTabDateStart);
    r.ColorLTitDateEnd = k.End("COLOR_LTIT", r.ColorTabDateEnd);
    r.ColorLTitFont = k.Int("COLOR_LTITFont", 0);
    r.NameLTitFont = k.Name("NAME_LTITFONT_", DefaultFont);
    r.BoldLTitFont = k.Int("BOLD_LTITFONT_", 8);
    r.SizeLTitFont = k.Int("SIZE_LTITFONT_", 1);
    r.ColorTabInactivDateStart = k.Start("COLOR_TABINACTIV", DarkenColor(r.ColorTabDateStart, 5));
    r.ColorTabInactivDateEnd = k.End("COLOR_TABINACTIV", DarkenColor(r.ColorTabDateEnd, 5));
    r.BFColorDateStart = k.Start("BFColor", 0xB6B6B6);
    r.BFFColorDateStart = k.Start("BFFColor", 0xF0F0F0);
    r.BDColorDateStart = k.Start("BDColor", 0x9C9C9D);
    r.BDFColorDateStart = k.Start("BDFColor", 0xF0F0F0);
    r.SubunitFColorDateStart = k.Start("SubunitFColor", 0);
    r.UserFColorDateStart = k.Start("UserFColor", 0);
    r.ColorTabInactiv = k.Int("COLOR_TABINACTIV_", ContrastColor(r.ColorTabInactivDateEnd, 20, 2));
    r.ColorDateStart = k.Start("COLOR_", pick(0xBFBFBF, 0xB7B7B7));
    r.ColorDateEnd = k.End("COLOR_", pick(0xBFBFBF, 0xB7B7B7));
}

} // namespace

void LoadDesignPreset(TKesvModuleKind kind, int preset) {
    if (kind < 0 || kind >= ModuleKindCount)
        return;
    // The store stands for "DesignKSC.ini", which only ever lives in memory.
    sys::TMemIniFile ini;
    ini.SetStrings(DesignPresetText(kind, preset));
    ReadRecord(TDesignKeys(ini), kind == mListe, DesignTable[size_t(kind)]);
}

void ClearDesignTable() {
    DesignTable.fill(TDesignRecord{});
    TIPDESIGN = 0;
    TITLEBAR = 0;
}

} // namespace tk
