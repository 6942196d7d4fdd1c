#pragma once
// TBitmap: a device-independent bitmap with its own canvas. Pixels are 32-bit RGB whatever the
// pixel format says; a monochrome bitmap holds only black and white and converts colours on the
// way in as the platform's monochrome bitmaps do.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/types.h"

class QImage;

namespace ui {

enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int value);
    void SetHeight(int value);
    // Resizes, keeping the pixels that still fit; new pixels are white. A size that cannot be
    // allocated raises EInvalidGraphicOperation and leaves the bitmap as it was.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat value); // pf1bit makes the bitmap monochrome
    bool Monochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool value);

    // The transparent colour: with tmAuto the bottom-left pixel (clDefault for an empty bitmap),
    // with tmFixed the colour that was set. Setting a colour switches to tmFixed.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);

    // Turns the bitmap into a monochrome mask: pixels of the given colour become white, all
    // others black.
    void Mask(TColor transparentColor);

    TCanvas& Canvas();
    void Assign(const TBitmap& source);
    void Assign(const TGraphic& source); // draws any graphic into a bitmap of its size

    // Loading: BMP or PNG data recognised by content. An unreadable picture raises
    // EInvalidGraphic naming it, a missing resource EResourceError; the bitmap is unchanged then.
    // A resource is named by its path ("pictures/OK.bmp") or, in the pictures folder, by its stem
    // ("OK").
    void LoadFromResourceName(const std::string& name);
    void LoadFromFile(const std::string& hostPath);
    void LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors);
    // PNG or BMP by the extension; raises EInvalidGraphicOperation when it cannot be written.
    void SaveToFile(const std::string& hostPath) const;

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    QImage ToImage() const override;
    std::unique_ptr<TGraphic> Clone() const override;

    // Platform access: the pixels themselves (Format_RGB32). Ends any painting in progress.
    QImage& Image();
    const QImage& Image() const;

private:
    void EndPainting() const;
    void SetImage(const QImage& image, int width, int height);

    struct Data;
    std::unique_ptr<Data> d_;
    std::unique_ptr<TCanvas> canvas_;
    TPixelFormat pixelFormat_ = pfDevice;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

} // namespace ui
