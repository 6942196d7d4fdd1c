// The glyph lookups: which skin picture serves a button kind, another glyph kind or a message
// type. Only the low seven bits of a kind or type count, so callers may carry a flag in the top
// bit.
#include "toolkit/forms/skin.h"
#include "toolkit/forms/skin_store.h"

namespace tk {

namespace {

constexpr int KindMask = 0x7F;

// Per button kind, in TMButtonKind order: the glyph and the flat button's glyph ("" = none).
struct TKindPictures {
    const char* Glyph;
    const char* NiceGlyph;
};

// clang-format off
constexpr TKindPictures KindPictures[] = {
    {"Buget", ""},                 // mkFirst
    {"Precedent", ""},             // mkPrev
    {"Urmator", ""},               // mkNext
    {"", ""},                      // mkLast
    {"Add", "Add"},                // mkAdd
    {"Delete", "Delete"},          // mkDelete
    {"Jurnal", "Jurnal"},          // mkRecord
    {"Vizual", "Vizual"},          // mkView
    {"Print", "Print"},            // mkPrint
    {"OK", "OK"},                  // mkOK
    {"Cancel", "Cancel"},          // mkCancel
    {"Help", "Help"},              // mkHelp
    {"", ""},                      // mkCustom
    {"OK", "OK"},                  // mkYes
    {"Nu", "Nu"},                  // mkNo
    {"Exit", "Exit"},              // mkClose
    {"Cancel", "Cancel"},          // mkAbort
    {"Retry", "Retry"},            // mkRetry
    {"", "PrnSetup"},              // mkIgnore
    {"All", "All"},                // mkAll
    {"Edit", "Edit"},              // mkEdit
    {"Analitic", "Analitic"},      // mkAnalitic
    {"Detalii", "Detalii"},        // mkDetalii
    {"Talven", ""},                // mkTalven
    {"Save", "Save"},              // mkSave
    {"Plus", ""},                  // mkPlus
    {"BUnelte", "BUnelte"},        // mkUnelte
    {"Config", "Config"},          // mkConfig
    {"Stoc", ""},                  // mkStoc
    {"Sold", ""},                  // mkSold
    {"BIntr", ""},                 // mkIntr
    {"BSediu", ""},                // mkTransf
    {"BIes", ""},                  // mkIes
    {"BBani", ""},                 // mkBani
    {"Mail", "Mail"},              // mkMail
    {"BigExit", "BigExit"},        // mkBigExit
    {"PlusAdd", ""},               // mkPlusAdd
    {"PlusBlue", "PlusBlue"},      // mkPlusBlue
    {"PlusPorto", ""},             // mkPlusPorto
    {"PlusPeach", ""},             // mkPlusPeach
    {"PlusSnorkel", ""},           // mkPlusSnorkel
    {"MinusDel", ""},              // mkMinusDel
    {"FirstPag", ""},              // mkFirstPag
    {"LastPag", ""},               // mkLastPag
    {"PrevPag", ""},               // mkPrevPag
    {"NextPag", ""},               // mkNextPag
    {"nPrev", ""},                 // mknPrev
    {"nNext", ""},                 // mknNext
    {"Find", "Find"},              // mkFind
    {"FindNext", ""},              // mkFindNext
    {"Grafic", ""},                // mkGrafic
    {"SaveAs", "SaveAs"},          // mkSaveAs
    {"nFirst", ""},                // mknFirst
    {"nLast", ""},                 // mknLast
    {"Contract", ""},              // mkContr
    {"Explicatii", ""},            // mkExpl
    {"Permis", ""},                // mkPermis
    {"UrmatorBlue", ""},           // mkAction
    {"Avansat", "Avansat"},        // mkAdvanced
};
static_assert(std::size(KindPictures) == mkAdvanced + 1);

// Per TAlteGlife value.
constexpr const char* OtherPictures[] = {
    "",          "Permis",    "Interzis",     "Surub",     "Linii",     "Check",     "Radio",
    "Anulat",    "GrupX",     "Grup0",        "crescator", "descrescator", "ToolbVert",
    "ToolbOriz", "EscapeImg", "SCLogo",       "Pag",       "Talven",    "Buget",     "Neoperat",
};
static_assert(std::size(OtherPictures) == glNeoperat + 1);

// Per message type; mtCustom has none.
constexpr const char* MessagePictures[] = {"Warning", "Error", "Information", "Confirmation", ""};
// clang-format on

ui::TBitmap* Picture(const char* name) {
    if (*name == '\0' || !SkinStore)
        return EmptyGlyph;
    ui::TBitmap* bitmap = SkinStore->PictureBitmap(name);
    return bitmap ? bitmap : EmptyGlyph;
}

template <size_t N, class Pick> ui::TBitmap* FromTable(int index, Pick pick) {
    if (index < 0 || size_t(index) >= N)
        return EmptyGlyph;
    return Picture(pick(size_t(index)));
}

} // namespace

ui::TBitmap* KindGlyph(int kind) {
    return FromTable<std::size(KindPictures)>(kind & KindMask,
                                              [](size_t i) { return KindPictures[i].Glyph; });
}

ui::TBitmap* NiceKindGlyph(int kind) {
    return FromTable<std::size(KindPictures)>(kind & KindMask,
                                              [](size_t i) { return KindPictures[i].NiceGlyph; });
}

ui::TBitmap* AlteGlyph(int glyph) {
    return FromTable<std::size(OtherPictures)>(glyph & KindMask,
                                               [](size_t i) { return OtherPictures[i]; });
}

ui::TBitmap* MsgTypeGlyph(int msgType) {
    return FromTable<std::size(MessagePictures)>(msgType & KindMask,
                                                 [](size_t i) { return MessagePictures[i]; });
}

} // namespace tk
