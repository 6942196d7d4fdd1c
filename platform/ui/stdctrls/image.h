#pragma once
// TImage: a windowless picture. AutoSize makes the control as large as its picture, Stretch
// scales the picture to the control, Center centres it, Transparent leaves the picture's
// transparent pixels out so that what is below shows through.
#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/graphics/picture.h"

namespace ui {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    TPicture& Picture() { return picture_; }
    void SetPicture(const TPicture& value) { picture_.Assign(value); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    void Loaded() override;

protected:
    void Paint() override;

private:
    void PictureChanged();
    // Where the picture is drawn inside the control.
    TRect DestRect();

    TPicture picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

// Loads a picture from a stored form's Data: the picture's class name (a length byte and the
// name, as "TBitmap" or "TPngImage") followed by its file bytes; bare file bytes are read too.
void LoadStoredPictureData(TPicture& picture, const std::vector<uint8_t>& data,
                           const std::string& nameForErrors);

} // namespace ui
