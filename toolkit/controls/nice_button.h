#pragma once
// TNiceButton: the toolkit's flat skinned push button. Its face is cut from the skin's
// nine-slice face picture (normal, hover and pressed thirds), with the kind's glyph left of it;
// on a display without the full-colour look it is a plain rounded rectangle. It shows the hover
// look while the mouse is over its face or it has the focus (one flat button at a time), answers
// the mouse only on its face and glyph, flashes the pressed look for 20 ms when clicked from the
// keyboard, and can paint its four looks once into cached images (Buffered).
#include <array>
#include <memory>
#include <string>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/button.h"
#include "toolkit/forms/skin.h"

namespace tk {

class TNiceButton;

// The flat button that shows the hover look now, or nullptr.
extern TNiceButton* HoveredNiceButton;

class TNiceButton : public ui::TButton {
public:
    // The window timer that ends the pressed-look flash.
    static constexpr uintptr_t FlashTimerId = 1;
    static constexpr unsigned FlashMilliseconds = 20;

    explicit TNiceButton(ui::TComponent* owner);
    ~TNiceButton() override;

    bool CaptionVisible() const { return FCaptionV; }
    void SetCaptionVisible(bool value);
    const ui::TBitmap& Glyph() const { return FGlyph; }
    ui::TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const ui::TBitmap& value);
    // Setting the modal result also stops the kind from changing it.
    void SetModalResult(ui::TModalResult value) override;
    bool ModalResultAssigned() const { return MRAssigned; }
    TMButtonKind Kind() const { return FKind; }
    void SetKind(TMButtonKind value);
    // A caption given here is kept when the kind changes.
    void SetCaption(const std::string& value);
    bool CaptionAssigned() const { return CpAssigned; }
    bool ForcedDown() const { return FForcedDown; }
    void SetForcedDown(bool value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    bool InsideDraw() const { return FInsideDraw; }
    void SetInsideDraw(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Buffered() const { return FBuffered; }
    void SetBuffered(bool value);

    // The state of the moment.
    bool DrawFace() const { return FDrawFace; }
    bool MouseIsDown() const { return FMouseDown; }
    bool BufferFilled() const { return FBufferFilled; }
    bool FlashTimerRunning() const { return FTimer != 0; }
    int LastGlyphWidth() const { return GlyphWidth; }
    int LastGlyphHeight() const { return GlyphHeight; }
    // The glyph strip the button draws: its own Glyph for mkCustom, else the kind's picture.
    ui::TBitmap& CurrentStrip();

    void Click() override;
    void Dispatch(ui::TMessage& message) override;

    // Whether a screen point (packed as two signed 16-bit halves, x low) is on the face or the
    // glyph.
    virtual bool IsOnFace(ui::LPARAM pos);
    virtual void DrawItem(const ui::TDrawItemStruct& item);

protected:
    void CreateParams(ui::TCreateParams& params) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    // Paints one look (normal, hover, pressed or disabled) on a canvas of the button's size.
    void PaintState(ui::TCanvas& canvas, bool down, bool hover, bool enabled);

private:
    void SetDrawFace(bool value);
    void EnterHover();
    void LeaveHover();
    void LookChanged();
    void StartFlashTimer();
    void StopFlashTimer();
    void PaintFace(ui::TCanvas& canvas, const ui::TBitmap& face, int x0, int faceTop, bool down,
                   bool hover);
    void PaintCaption(ui::TCanvas& canvas, int faceTop, int faceHeight, int glyphArea, int slice,
                      bool down, bool hover, bool enabled);
    void PaintGlyph(ui::TCanvas& canvas, ui::TBitmap& strip, bool hover, bool enabled);
    void PaintBuffered(ui::TCanvas& canvas, bool down);

    uintptr_t FTimer = 0;
    ui::HWND FTimerWindow = 0; // the window FTimer runs on (0: a timer procedure)
    bool FCaptionV = true;
    bool MRAssigned = false;
    bool CpAssigned = false;
    std::array<std::unique_ptr<ui::TBitmap>, 4> BuffBitmap;
    bool FStretch = false;
    bool FBuffered = false;
    bool FBufferFilled = false;
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    TMButtonKind FKind = mkCustom;
    ui::TBitmap FGlyph;
    int FNumGlyphs = 3;
    bool FInsideDraw = false;
    bool FMouseDown = false;
    bool FDrawFace = false;
    std::unique_ptr<ui::TControlCanvas> FCanvas;
    bool FForcedDown = false;
};

} // namespace tk
