// TBitmap: 32-bit pixels, a canvas on them, the monochrome and transparency rules.
#include "platform/ui/graphics/bitmap.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/picture_data.h"

namespace ui {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

QRgb ToMono(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 382 ? kWhite : kBlack;
}

TPixelFormat FormatOfDepth(int depth, bool alpha) {
    switch (depth) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 16:
        return pf16bit;
    case 24:
        return pf24bit;
    default:
        return alpha ? pf32bit : pf24bit;
    }
}

} // namespace

// The pixels, and the size (a bitmap may be 0 pixels wide and still have a height).
struct TBitmap::Data {
    QImage Image;
    int Width = 0;
    int Height = 0;
};

TBitmap::TBitmap() : d_(new Data) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : TGraphic(other), d_(new Data) {
    pixelFormat_ = other.pixelFormat_;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    SetImage(other.Image(), other.Width(), other.Height());
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    Assign(other);
    return *this;
}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
    return d_->Width;
}
int TBitmap::Height() const {
    return d_->Height;
}
void TBitmap::SetWidth(int value) {
    SetSize(value, Height());
}
void TBitmap::SetHeight(int value) {
    SetSize(Width(), value);
}

void TBitmap::EndPainting() const {
    if (canvas_)
        canvas_->ReleasePainter();
}

void TBitmap::SetImage(const QImage& image, int width, int height) {
    EndPainting();
    d_->Width = std::max(0, width);
    d_->Height = std::max(0, height);
    d_->Image = image;
    if (canvas_)
        canvas_->Attach(&d_->Image); // the image may have changed from empty to not
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    QImage image;
    if (width > 0 && height > 0) {
        image = QImage(width, height, QImage::Format_RGB32);
        if (image.isNull()) // the bitmap keeps its old size and pixels
            throw EInvalidGraphicOperation("Out of memory for a bitmap of " +
                                           std::to_string(width) + " x " + std::to_string(height) +
                                           " pixels");
        image.fill(kWhite);
        const QImage& old = Image();
        if (!old.isNull()) {
            int w = std::min(width, old.width()), h = std::min(height, old.height());
            for (int y = 0; y < h; ++y)
                std::copy_n(reinterpret_cast<const QRgb*>(old.constScanLine(y)), w,
                            reinterpret_cast<QRgb*>(image.scanLine(y)));
        }
    }
    SetImage(image, width, height);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == pf1bit) {
        SetMonochrome(true);
        return;
    }
    pixelFormat_ = value;
}

void TBitmap::SetMonochrome(bool value) {
    if (value == Monochrome())
        return;
    if (value) {
        QImage& image = Image();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = ToMono(line[x]);
        }
        pixelFormat_ = pf1bit;
    } else {
        pixelFormat_ = pfDevice;
    }
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Width() <= 0 || Height() <= 0)
        return clDefault;
    QRgb pixel = Image().pixel(0, Height() - 1);
    return TColor(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
}

void TBitmap::SetTransparentColor(TColor value) {
    transparentColor_ = value;
    transparentMode_ = tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    transparentMode_ = value;
    Changed();
}

void TBitmap::Mask(TColor transparentColor) {
    TColorRef c = ColorToRGB(transparentColor);
    QRgb key = 0xFF000000u | (QRgb(GetRValue(c)) << 16) | (QRgb(GetGValue(c)) << 8) | GetBValue(c);
    QImage& image = Image();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] | 0xFF000000u) == key ? kWhite : kBlack;
    }
    pixelFormat_ = pf1bit;
    Changed();
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->SetOwnerBitmap(this);
        canvas_->Attach(&d_->Image);
    }
    return *canvas_;
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    pixelFormat_ = source.pixelFormat_;
    transparentMode_ = source.transparentMode_;
    transparentColor_ = source.transparentColor_;
    transparent_ = source.transparent_;
    SetImage(source.Image(), source.Width(), source.Height());
    Changed();
}

void TBitmap::Assign(const TGraphic& source) {
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        Assign(*bitmap);
        return;
    }
    QImage image = source.ToImage();
    if (!image.isNull()) {
        // A picture with an alpha channel lands on white, as drawing it on a new bitmap does.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(kWhite);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = flat;
    }
    pixelFormat_ = pf24bit;
    transparent_ = source.Transparent();
    SetImage(image, source.Width(), source.Height());
    Changed();
}

void TBitmap::LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors) {
    QImage decoded = picture_data::Decode(data, nameForErrors);
    TPixelFormat format = FormatOfDepth(decoded.depth(), decoded.hasAlphaChannel());
    QImage image = decoded.convertToFormat(QImage::Format_RGB32);
    pixelFormat_ = format;
    SetImage(image, image.width(), image.height());
    Changed();
}

void TBitmap::LoadFromResourceName(const std::string& name) {
    LoadFromBytes(picture_data::ReadResource(name), name);
}

void TBitmap::LoadFromFile(const std::string& hostPath) {
    LoadFromBytes(picture_data::ReadFile(hostPath), hostPath);
}

void TBitmap::SaveToFile(const std::string& hostPath) const {
    const QImage& image = Image();
    if (image.isNull() || !image.save(QString::fromStdString(hostPath)))
        throw EInvalidGraphicOperation("Cannot save the picture to " + hostPath);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty())
        return;
    TColorRef background =
        canvas_ ? canvas_->Resolve(canvas_->Brush().Color()) : RGB(255, 255, 255);
    if (Transparent()) {
        canvas.Blit(rect, Image(), {0, 0, Width(), Height()}, cmSrcCopy, Monochrome(), background,
                    true, ColorToRGB(TransparentColor()));
        return;
    }
    canvas.Blit(rect, Image(), {0, 0, Width(), Height()}, canvas.CopyMode(), Monochrome(),
                background, false, 0);
}

QImage TBitmap::ToImage() const {
    return Image();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::make_unique<TBitmap>(*this);
}

QImage& TBitmap::Image() {
    EndPainting();
    return d_->Image;
}

const QImage& TBitmap::Image() const {
    EndPainting();
    return d_->Image;
}

} // namespace ui
