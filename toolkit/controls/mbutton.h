#pragma once
// TMButton: the toolkit's glyph push button. It draws its own face: a classic three-dimensional
// face, or (a light button) a flat area in Color that shows the face only while the mouse is
// over it or it has the focus. A glyph strip (its own Glyph or the picture of its Kind) and the
// caption are laid out by ButtonLayout, Margin and Spacing. The Kind also gives a default
// caption and modal result, which never replace ones that were given.
#include <memory>
#include <string>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/button.h"
#include "toolkit/controls/mbutton_face.h"
#include "toolkit/controls/mbutton_layout.h"
#include "toolkit/forms/skin.h"

namespace tk {

enum TButtonState { bsUp, bsDisabled, bsDown };

class TMButton : public ui::TButton {
public:
    explicit TMButton(ui::TComponent* owner);
    ~TMButton() override;

    // Color (the control's colour, clBtnFace for a new button) is the face of a light button at
    // rest; ColorOver the face whenever the face is drawn.
    ui::TColor ColorOver() const { return FColorOver; }
    void SetColorOver(ui::TColor value);
    bool LightButton() const { return FLightButton; }
    void SetLightButton(bool value);
    const ui::TBitmap& Glyph() const { return FGlyph; }
    ui::TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const ui::TBitmap& value);
    // Setting the modal result also stops the kind from changing it.
    void SetModalResult(ui::TModalResult value) override;
    bool ModalResultAssigned() const { return MRAssigned; }
    bool CaptionVisible() const { return FCaption; }
    void SetCaptionVisible(bool value);
    TMButtonKind Kind() const { return FKind; }
    void SetKind(TMButtonKind value);
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TButtonLayout value);

    // The look of the moment: a light button showing its face, the form's active default button.
    bool DrawFace() const { return FDrawFace; }
    bool IsDefaultFocused() const { return IsFocused; }
    // The glyph strip the last paint used (not owned), or nullptr before the first paint.
    const ui::TBitmap* LastStrip() const { return FOriginal; }
    // The disabled caption's colour, fixed the first time it is needed.
    ui::TColor DisabledTextColor();

    void Dispatch(ui::TMessage& message) override;

protected:
    void CreateParams(ui::TCreateParams& params) override;
    void SetButtonStyle(bool isDefault) override;
    void DoEnter() override;
    void DoExit() override;
    virtual void DrawItem(const ui::TDrawItemStruct& item);

private:
    void SetDrawFace(bool value);
    void MouseEntered();
    void MouseLeft();
    // The strip to draw: the own glyph when it has a width, else the kind's picture.
    ui::TBitmap* CurrentStrip();
    ui::TRect DrawGlyphAndCaption(const ui::TRect& inner, const std::string& caption,
                                  TButtonState state);
    void DrawGlyph(ui::TBitmap& strip, ui::TPoint pos, ui::TSize glyphSize, TButtonState state);
    void DrawButtonText(const std::string& caption, const ui::TRect& bounds, TButtonState state);

    bool MRAssigned = false;
    bool FLightButton = true;
    bool FDrawFace = false;
    bool IsFocused = false;
    const ui::TBitmap* FOriginal = nullptr;
    std::unique_ptr<ui::TControlCanvas> FCanvas;
    TMButtonKind FKind = mkCustom;
    TButtonStyle FStyle = bsAutoDetect;
    int FSpacing = 0;
    int FMargin = -1;
    int FNumGlyphs = 3;
    TButtonLayout FButtonLayout = blGlyphLeft;
    bool FCaption = true;
    ui::TBitmap FGlyph;
    ui::TColor FColorOver = ui::clBtnFace;
    ui::TColor FDisableColor = -1;
};

} // namespace tk
