#pragma once
// TTransImage: a windowless picture that shows its own bitmap or a skin picture chosen by a
// button kind, a message type or another glyph kind, with the picture's top-left colour left
// transparent. It can take the picture's size, stretch it (keeping proportions if asked) and
// centre it. Hiding the picture (ImageVisible) keeps the control in place and hearing the mouse.
#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/graphics/bitmap.h"
#include "toolkit/forms/skin.h"

namespace tk {

// Where a W x H picture lands in a CW x CH control.
ui::TRect TransImageRect(int w, int h, int cw, int ch, bool stretch, bool proportional,
                         bool center);

class TTransImage : public ui::TGraphicControl {
public:
    explicit TTransImage(ui::TComponent* owner);

    // The own picture; setting it forgets every skin kind.
    ui::TBitmap& Bitmap() { return FBitmap; }
    void SetBitmap(const ui::TBitmap& value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Stored forms call this property Visible: it shows or hides the picture only.
    bool ImageVisible() const { return FVisible; }
    void SetImageVisible(bool value);

    // At most one kind is set; setting one resets the others to their no-picture value.
    TMButtonKind KindMic() const { return FKindMic; }
    void SetKindMic(TMButtonKind value);
    TMsgDlgType KindMare() const { return FKindMare; }
    void SetKindMare(TMsgDlgType value);
    TAlteGlife KindAlte() const { return FKindAlte; }
    void SetKindAlte(TAlteGlife value);

    // The picture shown now: a skin picture (shared, never copied) or the own bitmap.
    ui::TBitmap& CurrentImage();
    // Where the picture is drawn in the client area.
    ui::TRect DestRect();

protected:
    void Paint() override;

private:
    void FitToImage();

    ui::TBitmap FBitmap;
    bool FProportional = false;
    bool FCenter = false;
    bool FStretch = false;
    bool FAutoSize = true;
    bool FTransparent = true;
    bool FVisible = true;
    TMButtonKind FKindMic = mkCustom;
    TMsgDlgType FKindMare = mtCustom;
    TAlteGlife FKindAlte = glCustom;
};

} // namespace tk
