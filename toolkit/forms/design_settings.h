#pragma once
// The design table: per module kind, the colours and fonts of the product's main window, read
// from built-in presets. In this program the tab control reads ColorTabDateStart; the other
// values describe the product's main window and are kept for it.
#include <array>
#include <string>
#include <vector>

#include "toolkit/forms/skin.h"

namespace tk {

// One field per design key, named after the key (the key's stem, "DATE" suffix left out where
// it is only the module suffix). Font names hold at most 100 characters.
struct TDesignRecord {
    std::string NameMenuFont;
    int BoldMenuFont = 0;
    int SizeMenuFont = 0;
    int ColorMenuFont = 0;
    int ColorMenuSelFont = 0;
    int ColorFLFont = 0;
    int ColorFLSelFont = 0;
    int ColorModulFont = 0;
    int ColorModulSelFont = 0;
    int BoldFLFont = 0;
    int BoldModulFont = 0;
    std::string NameFLFont;
    int SizeFLFont = 0;
    std::string NameModulFont;
    int SizeModulFont = 0;
    int ColorSubmenu = 0;
    int ColorSubmenuSel = 0;
    int ColorSubmenuFont = 0;
    int ColorSubmenuSelFont = 0;
    int ColorBara = 0;
    int ColorButBara = 0;
    int ColorBaraFont = 0;
    std::string NameBara;
    int BoldBara = 0;
    int SizeBara = 0;
    std::string NameTab;
    int BoldTab = 0;
    int SizeTab = 0;
    int ColorTab = 0;
    int ColorModule = 0;
    int ColorActivi = 0;
    int ColorTabAsort = 0;
    int TipBulinaF = 0;
    int TipBulinaD = 0;
    int ColorTabDateStart = 0;
    int ColorTabDateEnd = 0;
    int ColorViewSel = 0;
    int ColorView = 0;
    int ColorViewGrid = 0;
    int ColorLTitDateStart = 0;
    int ColorLTitDateEnd = 0;
    int ColorLTitFont = 0;
    std::string NameLTitFont;
    int BoldLTitFont = 0;
    int SizeLTitFont = 0;
    int ColorTabInactivDateStart = 0;
    int ColorTabInactivDateEnd = 0;
    int BFColorDateStart = 0;
    int BFFColorDateStart = 0;
    int BDColorDateStart = 0;
    int BDFColorDateStart = 0;
    int SubunitFColorDateStart = 0;
    int UserFColorDateStart = 0;
    int ColorTabInactiv = 0;
    int ColorDateStart = 0;
    int ColorDateEnd = 0;

    friend bool operator==(const TDesignRecord&, const TDesignRecord&) = default;
};

constexpr int ModuleKindCount = 14;
constexpr size_t MaxFontNameLength = 100;

// One record per TKesvModuleKind; kinds that no preset was loaded for stay all zero.
extern std::array<TDesignRecord, ModuleKindCount> DesignTable;
// Program-wide design values (the last preset loaded sets them).
extern int TIPDESIGN;
extern int TITLEBAR;

// Reads a built-in preset into the record of kind (and TIPDESIGN, TITLEBAR); missing or
// malformed keys take the defaults of the kind. Nothing is read from or written to disk.
void LoadDesignPreset(TKesvModuleKind kind, int preset);
// The lines of a built-in preset (2 to 10); any other number gives no lines.
std::vector<std::string> DesignPresetText(TKesvModuleKind kind, int preset);
// Back to the state before any preset was loaded (all records zero, both values 0).
void ClearDesignTable();

} // namespace tk
