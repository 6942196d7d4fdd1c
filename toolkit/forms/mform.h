#pragma once
// TMForm: the base of the toolkit's forms. It remembers its push buttons at the first show and
// greys them while the form is disabled (another window is modal), giving each back the state it
// had; it names the window menu's commands in Romanian, zooms by the mouse wheel with Ctrl+Alt,
// keeps its size in the program's INI file when given a save name, and drops resize
// notifications until it is completely made.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/forms/form.h"
#include "toolkit/forms/skin.h"

namespace ui {
class TButton;
class TPanel;
} // namespace ui

namespace tk {

class TButtonList;

// One zoom step of the mouse wheel, in percent.
constexpr int ZoomStep = 101;

class TMForm : public ui::TForm {
public:
    explicit TMForm(ui::TComponent* owner);
    ~TMForm() override;

    TKesvModuleKind Kind() const { return FKind; }
    void SetKind(TKesvModuleKind value);
    int XKind() const { return FXKind; }
    // Accepted only in 0..12.
    void SetXKind(int value);

    // Restores size, position, zoom and the maximized state from the INI file; WriteFormSize
    // stores them. Both do nothing without a save name and ignore every error.
    void ReadFormSize();
    void WriteFormSize();
    void ScreenCenter();
    // Zoom level: the number of zoom steps applied (0 = as designed).
    void SetZoomLevel(int level);
    // Fills the work area of the nearest monitor while maximized (modal forms only).
    void FitToWorkArea();

    virtual ui::TWinControl* FirstControl();
    virtual void PaintBackground(ui::HDC dc);
    // The product main window's design; nothing in this program uses them.
    virtual void ApplyDesign(bool readDesignFile);
    virtual void InitDesign();

    bool InFixing = false;
    bool FormLoaded = false;
    bool FormCreated = false;
    bool PrimaData = false;
    std::string fSaveName;
    uint32_t CreationTime = 0;
    // Optional panel that shows how long the first show took; owned by the form.
    ui::TPanel* TimeLabel = nullptr;
    int16_t DPIScale = 0;
    ui::TButton* FocusButton = nullptr;
    // The form's buttons with their saved enabled states; absent on a form made without a
    // stored description.
    TButtonList* Botoane() const { return FBotoane.get(); }
    int FTipMainForm = 0;
    bool Activated = false;

    void ConstructionCompleted() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;
    void Loaded() override;
    void WndProc(ui::TMessage& message) override;
    void Dispatch(ui::TMessage& message) override;

protected:
    void DoCreate() override;
    void DoShow() override;
    void Resize() override;
    bool DoMouseWheelDown(ui::TShiftState shift, ui::TPoint mousePos) override;
    bool DoMouseWheelUp(ui::TShiftState shift, ui::TPoint mousePos) override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    void CollectButtons();
    void ShowCreationTime();
    void GreyButtons();
    void RestoreButtons();
    void NameWindowMenu();
    bool HandleRightButtonCursor(ui::TMessage& message);
    // One wheel zoom step up (+1) or down (-1), or back to the designed size with Shift.
    void ZoomByWheel(ui::TShiftState shift, int direction);
    void ScaleConstraints(int numerator);

    TKesvModuleKind FKind = mDate;
    int FXKind = 0;
    std::unique_ptr<TButtonList> FBotoane;
};

} // namespace tk
