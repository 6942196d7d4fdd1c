#include "toolkit/controls/trans_image.h"

namespace tk {

namespace {

bool IsEmpty(const ui::TBitmap& bitmap) {
    return bitmap.Width() <= 0 || bitmap.Height() <= 0;
}

} // namespace

ui::TRect TransImageRect(int w, int h, int cw, int ch, bool stretch, bool proportional,
                         bool center) {
    int width = w;
    int height = h;
    if (stretch && proportional && w > 0 && h > 0) {
        double ratio = double(w) / h;
        if (w > h) {
            width = cw;
            height = int(cw / ratio);
            if (height > ch) {
                width = int(ratio * ch);
                height = ch;
            }
        } else {
            width = int(ratio * ch);
            height = ch;
            if (width > cw) {
                width = cw;
                height = int(cw / ratio);
            }
        }
    } else if (stretch) {
        width = cw;
        height = ch;
    }
    ui::TRect r = ui::Rect(0, 0, width, height);
    if (center)
        r = ui::OffsetRect(r, (cw - width) / 2, (ch - height) / 2);
    return r;
}

TTransImage::TTransImage(ui::TComponent* owner) : ui::TGraphicControl(owner) {
    SetBounds(Left(), Top(), 24, 24);
}

ui::TBitmap& TTransImage::CurrentImage() {
    ui::TBitmap* skin = nullptr;
    if (FKindMic != mkCustom)
        skin = KindGlyph(FKindMic);
    else if (FKindMare != mtCustom)
        skin = MsgTypeGlyph(FKindMare);
    else if (FKindAlte != glCustom)
        skin = AlteGlyph(FKindAlte);
    else
        return FBitmap;
    // Before the skin exists a lookup has nothing to give: nothing is drawn then.
    static ui::TBitmap none;
    return skin ? *skin : none;
}

void TTransImage::FitToImage() {
    ui::TBitmap& image = CurrentImage();
    if (FAutoSize && !IsEmpty(image))
        SetBounds(Left(), Top(), image.Width(), image.Height());
}

void TTransImage::SetBitmap(const ui::TBitmap& value) {
    FBitmap.Assign(value);
    FKindMic = mkCustom;
    FKindMare = mtCustom;
    FKindAlte = glCustom;
    FitToImage();
    Invalidate();
}

void TTransImage::SetKindMic(TMButtonKind value) {
    FKindMic = value;
    FKindMare = mtCustom;
    FKindAlte = glCustom;
    FitToImage();
    Invalidate();
}

void TTransImage::SetKindMare(TMsgDlgType value) {
    FKindMare = value;
    FKindMic = mkCustom;
    FKindAlte = glCustom;
    FitToImage();
    Invalidate();
}

void TTransImage::SetKindAlte(TAlteGlife value) {
    FKindAlte = value;
    FKindMic = mkCustom;
    FKindMare = mtCustom;
    FitToImage();
    Invalidate();
}

void TTransImage::SetAutoSize(bool value) {
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    FitToImage();
    Invalidate();
}

void TTransImage::SetStretch(bool value) {
    if (FStretch == value)
        return;
    FStretch = value;
    if (!value)
        FProportional = false;
    Invalidate();
}

void TTransImage::SetProportional(bool value) {
    if (FProportional == value)
        return;
    FProportional = value;
    if (value)
        FStretch = true;
    Invalidate();
}

void TTransImage::SetCenter(bool value) {
    if (FCenter == value)
        return;
    FCenter = value;
    Invalidate();
}

void TTransImage::SetTransparent(bool value) {
    if (FTransparent == value)
        return;
    FTransparent = value;
    Invalidate();
}

void TTransImage::SetImageVisible(bool value) {
    if (FVisible == value)
        return;
    FVisible = value;
    if (value)
        Invalidate();
    else if (Parent())
        Parent()->Invalidate();
}

ui::TRect TTransImage::DestRect() {
    ui::TBitmap& image = CurrentImage();
    return TransImageRect(image.Width(), image.Height(), ClientWidth(), ClientHeight(), FStretch,
                          FProportional, FCenter);
}

void TTransImage::Paint() {
    ui::TCanvas& canvas = Canvas();
    if (InState(ui::csDesigning)) {
        canvas.Pen().SetStyle(ui::psDash);
        canvas.Brush().SetStyle(ui::bsClear);
        canvas.Rectangle(ClientRect());
    }
    ui::TBitmap& image = CurrentImage();
    if (!FVisible || IsEmpty(image))
        return;
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(Parent() ? Parent()->Color() : Color());
    ui::TColor corner = image.Canvas().Pixel(0, 0);
    if (FTransparent)
        canvas.Brush().SetStyle(ui::bsClear);
    else
        canvas.Brush().SetColor(corner);
    canvas.BrushCopy(DestRect(), image, ui::Rect(0, 0, image.Width(), image.Height()), corner);
}

} // namespace tk
