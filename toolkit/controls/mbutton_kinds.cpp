#include "toolkit/controls/mbutton_kinds.h"

namespace tk {

namespace {

struct TKindDefaults {
    const char* Name;
    const char* Caption;
    int ModalResult;
};

// In the order of TMButtonKind.
constexpr TKindDefaults kKindDefaults[ButtonKindCount] = {
    {"mkFirst", "f", 0},
    {"mkPrev", "&p", 0},
    {"mkNext", "&u", 0},
    {"mkLast", "", 0},
    {"mkAdd", "&Adaug", 0},
    {"mkDelete", "&Sterg", 0},
    {"mkRecord", "&Jurnal", 0},
    {"mkView", "&w", 0},
    {"mkPrint", "&Listare", 0},
    {"mkOK", "O&K", 1},
    {"mkCancel", "&Renunt", 2},
    {"mkHelp", "S&faturi", 0},
    {"mkCustom", "", 0},
    {"mkYes", "&Da", 6},
    {"mkNo", "&Nu", 7},
    {"mkClose", "I&esire", 2},
    {"mkAbort", "&Abandon", 3},
    {"mkRetry", "&Retry", 4},
    {"mkIgnore", "&Ignora", 5},
    {"mkAll", "&Toate", 12},
    {"mkEdit", "&Modific", 0},
    {"mkAnalitic", "Analiti&c", 0},
    {"mkDetalii", "&Detalii", 0},
    {"mkTalven", "Talv&en", 0},
    {"mkSave", "Salve&z", 0},
    {"mkPlus", "", 0},
    {"mkUnelte", "", 0},
    {"mkConfig", "", 0},
    {"mkStoc", "", 0},
    {"mkSold", "", 0},
    {"mkIntr", "", 0},
    {"mkTransf", "", 0},
    {"mkIes", "", 0},
    {"mkBani", "", 0},
    {"mkMail", "E&Mail", 0},
    {"mkBigExit", "", 0},
    {"mkPlusAdd", "", 0},
    {"mkPlusBlue", "", 0},
    {"mkPlusPorto", "", 0},
    {"mkPlusPeach", "", 0},
    {"mkPlusSnorkel", "", 0},
    {"mkMinusDel", "", 0},
    {"mkFirstPag", "", 0},
    {"mkLastPag", "", 0},
    {"mkPrevPag", "", 0},
    {"mkNextPag", "", 0},
    {"mknPrev", "", 0},
    {"mknNext", "", 0},
    {"mkFind", "", 0},
    {"mkFindNext", "", 0},
    {"mkGrafic", "", 0},
    {"mkSaveAs", "", 0},
    {"mknFirst", "", 0},
    {"mknLast", "", 0},
    {"mkContr", "", 0},
    {"mkExpl", "", 0},
    {"mkPermis", "", 0},
    {"mkAction", "?", 0},
    {"mkAdvanced", "", 0},
};

bool InTable(int kind) {
    return kind >= 0 && kind < ButtonKindCount;
}

} // namespace

std::string KindName(int kind) {
    return InTable(kind) ? kKindDefaults[kind].Name : "";
}

std::string KindCaption(int kind) {
    return InTable(kind) ? kKindDefaults[kind].Caption : "";
}

int KindModalResult(int kind) {
    return InTable(kind) ? kKindDefaults[kind].ModalResult : 0;
}

ui::TBitmap* NiceButtonKindGlyph(int kind) {
    ui::TBitmap* own = NiceKindGlyph(kind);
    if (own && !own->Empty())
        return own;
    return KindGlyph(kind);
}

} // namespace tk
