// The start-up step of the toolkit and the values it fixes for the whole process.
#include "toolkit/forms/skin.h"

#include "platform/sys/files.h"
#include "platform/ui/core/messages.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/color_names.h"
#include "toolkit/forms/design_settings.h"
#include "toolkit/forms/register_toolkit_classes.h"
#include "toolkit/forms/skin_store.h"

namespace tk {

std::string RunFolder;
TMesaj* SkinStore = nullptr;
ui::TBitmap* EmptyGlyph = nullptr;
ui::TBitmap* HatchBitmap = nullptr;
ui::TBitmap* NiceButtonFace = nullptr;
ui::TBitmap* TabFaceBitmap = nullptr;
ui::TBitmap* MenuTabFaceBitmap = nullptr;
ui::TBitmap* IconFaceBitmap = nullptr;
bool HighColorDisplay = false;
bool ModernLook = false;
int MaxFormWidth = 0;
int MaxFormHeight = 0;

namespace {

bool started = false;
std::string runFolderOverride;

constexpr ui::TColor HighColorHint = 0xE6E2D9;
constexpr ui::TColor LowColorHint = 0x00FFFF;

ui::TBitmap* MakeHatchBitmap() {
    auto* bitmap = new ui::TBitmap(8, 8);
    ui::TCanvas& c = bitmap->Canvas();
    c.Brush().SetColor(ui::clWhite);
    c.FillRect({0, 0, 8, 8});
    c.Pen().SetColor(ui::clBlack);
    for (int i = 1; i <= 7; i += 2) {
        c.MoveTo(i, 0);
        c.LineTo(i, 8);
        c.MoveTo(0, i);
        c.LineTo(8, i);
    }
    return bitmap;
}

// A skin picture that must exist: the controls draw it without checking.
ui::TBitmap* RequiredPicture(const char* name) {
    ui::TBitmap* bitmap = SkinStore->PictureBitmap(name);
    return bitmap ? bitmap : EmptyGlyph;
}

void StartSteps();

} // namespace

void OverrideRunFolder(const std::string& folder) {
    runFolderOverride = folder;
}

void StartToolkit() {
    if (started)
        return;
    started = true;
    try {
        StartSteps();
    } catch (...) {
        // Nothing half-made stays behind; the caller sees why the start failed.
        FinishToolkit();
        throw;
    }
}

namespace {

void StartSteps() {
    // Every stored form, the skin store first, is read with the toolkit's classes and colours.
    RegisterColorNames();
    RegisterToolkitClasses();
    RegisterSkinStoreClasses();

    RunFolder = runFolderOverride.empty() ? sys::ExeFolder()
                                          : sys::IncludeTrailingPathDelimiter(runFolderOverride);
    EmptyGlyph = new ui::TBitmap();
    HatchBitmap = MakeHatchBitmap();
    HighColorDisplay =
        !sys::FileExists(RunFolder + "LowColor.dat") && ui::Screen()->ColorDepth() > 8;
    SkinStore = ui::CreateForm<TMesaj>(nullptr);
    NiceButtonFace = RequiredPicture("ButtonFaceKSV");
    TabFaceBitmap = RequiredPicture("TabCtrlFace");
    MenuTabFaceBitmap = RequiredPicture("MenuTabCtrlFace120");
    IconFaceBitmap = RequiredPicture("IconFace");
    ui::Application()->SetHintColor(HighColorDisplay ? HighColorHint : LowColorHint);
    ComputeMaxFormSize();
}

} // namespace

void FinishToolkit() {
    if (!started)
        return;
    NiceButtonFace = TabFaceBitmap = MenuTabFaceBitmap = IconFaceBitmap = nullptr;
    delete HatchBitmap;
    HatchBitmap = nullptr;
    delete EmptyGlyph;
    EmptyGlyph = nullptr;
    ui::Free(SkinStore);
    SkinStore = nullptr;
    ClearDesignTable();
    UnregisterColorNames();
    HighColorDisplay = false;
    MaxFormWidth = MaxFormHeight = 0;
    RunFolder.clear();
    started = false;
}

void ComputeMaxFormSize() {
    MaxFormWidth = ui::Screen()->Width() + 2 * ui::GetSystemMetrics(ui::SM_CXFRAME);
    MaxFormHeight = ui::Screen()->Height() + 2 * ui::GetSystemMetrics(ui::SM_CYFRAME);
}

bool GetCursorScreenPos(ui::TPoint& pos) {
    if (ui::GetCursorPos(pos))
        return true;
    pos = {0, 0};
    return false;
}

} // namespace tk
