#pragma once
// TPngImage (a picture with an alpha channel, drawn blended) and TPicture (holds a bitmap or a
// PNG image, whichever its data is).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/graphic.h"

namespace ui {

class TPngImage : public TGraphic {
public:
    TPngImage();
    TPngImage(const TPngImage& other);
    TPngImage& operator=(const TPngImage& other);
    ~TPngImage() override;

    int Width() const override;
    int Height() const override;
    // Raises EInvalidGraphic naming the picture when the data is not a PNG image.
    void LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors);
    void LoadFromResourceName(const std::string& name);
    void LoadFromFile(const std::string& hostPath);
    void SaveToFile(const std::string& hostPath) const;
    // A PNG with an alpha channel is transparent: drawn blended over what is below.
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    QImage ToImage() const override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    struct Data;
    std::unique_ptr<Data> d_;
};

class TPicture {
public:
    TPicture();
    TPicture(const TPicture& other);
    TPicture& operator=(const TPicture& other);
    ~TPicture();

    // The graphic held, or nullptr when the picture is empty.
    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(const TGraphic* graphic); // copies it; nullptr empties the picture
    // The bitmap held; a picture holding something else (or nothing) is replaced by an empty
    // bitmap first, as the platform's picture does.
    TBitmap& Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // PNG data becomes a TPngImage, BMP data a TBitmap. Raises EInvalidGraphic or
    // EResourceError naming the picture; the picture is unchanged then.
    void LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors);
    void LoadFromResourceName(const std::string& name);
    void LoadFromFile(const std::string& hostPath);
    void Assign(const TPicture& source);

    std::function<void()> OnChange;

private:
    void Changed();
    void Hook();
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace ui
