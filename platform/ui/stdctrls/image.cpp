#include "platform/ui/stdctrls/image.h"

#include <algorithm>
#include <cctype>

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csReplicatable;
    SetBounds(Left(), Top(), 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::SetAutoSize(bool value) {
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    PictureChanged();
}

void TImage::SetStretch(bool value) {
    if (stretch_ == value)
        return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    if (center_ == value)
        return;
    center_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (transparent_ == value)
        return;
    transparent_ = value;
    PictureChanged();
}

void TImage::Loaded() {
    TGraphicControl::Loaded();
    PictureChanged();
}

void TImage::PictureChanged() {
    if (TGraphic* graphic = picture_.Graphic()) {
        // A PNG with an alpha channel is always drawn blended; a bitmap follows the control.
        if (graphic->Transparent() != transparent_)
            graphic->SetTransparent(transparent_);
    }
    if (autoSize_ && !picture_.Empty())
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    // A transparent or smaller picture leaves part of the parent showing: repaint that too.
    if (transparent_ || !stretch_)
        controlStyle_ &= ~TControlStyle(csOpaque);
    else
        controlStyle_ |= csOpaque;
    Invalidate();
}

TRect TImage::DestRect() {
    if (stretch_)
        return ClientRect();
    int w = picture_.Width();
    int h = picture_.Height();
    if (center_)
        return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint() {
    TCanvas& canvas = Canvas();
    if (picture_.Empty())
        return;
    canvas.StretchDraw(DestRect(), *picture_.Graphic());
}

void LoadStoredPictureData(TPicture& picture, const std::vector<uint8_t>& data,
                           const std::string& nameForErrors) {
    size_t nameLength = data.empty() ? 0 : data[0];
    bool prefixed = nameLength > 1 && nameLength < 64 && data.size() > nameLength &&
                    data[1] == 'T' &&
                    std::all_of(data.begin() + 1, data.begin() + 1 + nameLength,
                                [](uint8_t c) { return std::isalnum(c) != 0; });
    if (!prefixed) {
        picture.LoadFromBytes(data, nameForErrors);
        return;
    }
    picture.LoadFromBytes(std::vector<uint8_t>(data.begin() + 1 + nameLength, data.end()),
                          nameForErrors);
}

} // namespace ui
