#pragma once
// The toolkit's look in one place: the skin store with every picture the controls draw, the
// shared bitmaps and display facts set once at start-up, the glyph lookups, the colour routines
// and the caption drawing shared by the controls.
#include <string>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/types.h"

namespace tk {

class TMesaj;

// Kinds of the other glyphs (not button glyphs). The kinds here are plain ints underneath, so a
// stored or computed value outside the list is still a value the lookups can refuse.
enum TAlteGlife : int {
    glCustom,
    glPermis,
    glInterzis,
    glSurub,
    glLinii,
    glCheck,
    glRadio,
    glAnulat,
    glGrupX,
    glGrup0,
    glCrescator,
    glDescrescator,
    glToolVert,
    glToolOriz,
    glImgEsc,
    glSCLogo,
    glPag,
    glTalven,
    glBuget,
    glNeoperat
};

// The kinds of the toolkit's buttons; their meaning belongs to the buttons.
enum TMButtonKind : int {
    mkFirst,
    mkPrev,
    mkNext,
    mkLast,
    mkAdd,
    mkDelete,
    mkRecord,
    mkView,
    mkPrint,
    mkOK,
    mkCancel,
    mkHelp,
    mkCustom,
    mkYes,
    mkNo,
    mkClose,
    mkAbort,
    mkRetry,
    mkIgnore,
    mkAll,
    mkEdit,
    mkAnalitic,
    mkDetalii,
    mkTalven,
    mkSave,
    mkPlus,
    mkUnelte,
    mkConfig,
    mkStoc,
    mkSold,
    mkIntr,
    mkTransf,
    mkIes,
    mkBani,
    mkMail,
    mkBigExit,
    mkPlusAdd,
    mkPlusBlue,
    mkPlusPorto,
    mkPlusPeach,
    mkPlusSnorkel,
    mkMinusDel,
    mkFirstPag,
    mkLastPag,
    mkPrevPag,
    mkNextPag,
    mknPrev,
    mknNext,
    mkFind,
    mkFindNext,
    mkGrafic,
    mkSaveAs,
    mknFirst,
    mknLast,
    mkContr,
    mkExpl,
    mkPermis,
    mkAction,
    mkAdvanced
};

// The product's module kinds, one design record each.
enum TKesvModuleKind : int {
    mDate,
    mListe,
    mDocument,
    mDorvane,
    mRetail,
    mRestaurant,
    mDateSrv,
    mListeSrv,
    mDateArenda,
    mListeArenda,
    mDateDecl,
    mListeDecl,
    mDateCLI,
    mListeCLI
};

// Message types as the message dialogs number them.
enum TMsgDlgType : int { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Shared values, fixed by StartToolkit (ModernLook is set by the program at start).
extern std::string RunFolder;          // folder of the running executable, trailing separator
extern TMesaj* SkinStore;              // the single skin store
extern ui::TBitmap* EmptyGlyph;        // returned by every lookup without a picture
extern ui::TBitmap* HatchBitmap;       // 8 x 8 grid of black lines on the odd rows and columns
extern ui::TBitmap* NiceButtonFace;    // "ButtonFaceKSV"
extern ui::TBitmap* TabFaceBitmap;     // "TabCtrlFace"
extern ui::TBitmap* MenuTabFaceBitmap; // "MenuTabCtrlFace120"
extern ui::TBitmap* IconFaceBitmap;    // "IconFace"
extern bool HighColorDisplay;          // gradients and the full-colour look
extern bool ModernLook;
extern int MaxFormWidth;
extern int MaxFormHeight;

// The start-up step: runs once per process (later calls do nothing), after the application
// object exists and before the first form is made. Registers the toolkit's colour names too.
void StartToolkit();
// Releases what StartToolkit made; StartToolkit may run again afterwards (tests).
void FinishToolkit();
// The folder (a Windows path) that the next StartToolkit takes as RunFolder instead of the
// executable's folder; "" goes back to the executable's folder. Lets tests place "LowColor.dat".
void OverrideRunFolder(const std::string& folder);

// Glyph lookups: a picture of the skin store, or EmptyGlyph; never null. Only the low seven bits
// of a button kind count.
ui::TBitmap* KindGlyph(int kind);
ui::TBitmap* NiceKindGlyph(int kind);
ui::TBitmap* AlteGlyph(int glyph);
ui::TBitmap* MsgTypeGlyph(int msgType);

// Every pixel of the colour of the bitmap's pixel (0, 0) becomes the given colour.
void ReplaceBackground(ui::TBitmap& bitmap, ui::TColor color);

ui::TColor LightenColor(ui::TColor color, double divisor);
ui::TColor DarkenColor(ui::TColor color, double divisor);
ui::TColor ContrastColor(ui::TColor color, double lightenDivisor, double darkenDivisor);

// A caption whose accelerator letter (after the first "&") is drawn in accelColor.
void DrawAccelText(ui::TCanvas& canvas, const std::string& text, const ui::TRect& rect,
                   bool underline, ui::TColor accelColor, unsigned format);
// White text one pixel down and right, grey text over it.
void DrawEngravedText(ui::TCanvas& canvas, const ui::TRect& rect, const std::string& text,
                      unsigned format);
// The cursor's screen position; false and (0, 0) when the system cannot tell.
bool GetCursorScreenPos(ui::TPoint& pos);
void ComputeMaxFormSize();

} // namespace tk
