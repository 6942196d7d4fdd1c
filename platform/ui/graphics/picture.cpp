// TPngImage and TPicture.
#include "platform/ui/graphics/picture.h"

#include <QImage>
#include <QPainter>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/picture_data.h"

namespace ui {

struct TPngImage::Data {
    QImage Image; // Format_ARGB32
};

TPngImage::TPngImage() : d_(new Data) {}

TPngImage::TPngImage(const TPngImage& other) : TGraphic(other), d_(new Data(*other.d_)) {}

TPngImage& TPngImage::operator=(const TPngImage& other) {
    TGraphic::operator=(other);
    *d_ = *other.d_;
    Changed();
    return *this;
}

TPngImage::~TPngImage() = default;

int TPngImage::Width() const {
    return d_->Image.width();
}
int TPngImage::Height() const {
    return d_->Image.height();
}

void TPngImage::LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors) {
    if (!picture_data::IsPng(data))
        throw EInvalidGraphic("PNG image is not valid: " + nameForErrors);
    QImage image = picture_data::Decode(data, nameForErrors);
    transparent_ = image.hasAlphaChannel();
    d_->Image = image.convertToFormat(QImage::Format_ARGB32);
    Changed();
}

void TPngImage::LoadFromResourceName(const std::string& name) {
    LoadFromBytes(picture_data::ReadResource(name), name);
}

void TPngImage::LoadFromFile(const std::string& hostPath) {
    LoadFromBytes(picture_data::ReadFile(hostPath), hostPath);
}

void TPngImage::SaveToFile(const std::string& hostPath) const {
    if (d_->Image.isNull() || !d_->Image.save(QString::fromStdString(hostPath), "PNG"))
        throw EInvalidGraphicOperation("Cannot save the picture to " + hostPath);
}

void TPngImage::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    if (!Transparent()) {
        canvas.Blit(rect, d_->Image, {0, 0, Width(), Height()}, canvas.CopyMode(), false, 0, false,
                    0);
        return;
    }
    QPainter* painter = canvas.Painter();
    if (!painter)
        return;
    TPoint origin = canvas.WindowOrg();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(
        QRect(rect.Left + origin.X, rect.Top + origin.Y, rect.Width(), rect.Height()), d_->Image);
}

QImage TPngImage::ToImage() const {
    return d_->Image;
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
    return std::make_unique<TPngImage>(*this);
}

TPicture::TPicture() = default;

TPicture::TPicture(const TPicture& other) {
    Assign(other);
}

TPicture& TPicture::operator=(const TPicture& other) {
    Assign(other);
    return *this;
}

TPicture::~TPicture() = default;

void TPicture::Hook() {
    if (graphic_)
        graphic_->OnChange = [this] { Changed(); };
}

void TPicture::Changed() {
    if (OnChange)
        OnChange();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    graphic_ = graphic ? graphic->Clone() : nullptr;
    Hook();
    Changed();
}

TBitmap& TPicture::Bitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (!bitmap) {
        graphic_ = std::make_unique<TBitmap>();
        Hook();
        bitmap = static_cast<TBitmap*>(graphic_.get());
    }
    return *bitmap;
}

void TPicture::LoadFromBytes(const std::vector<uint8_t>& data, const std::string& nameForErrors) {
    std::unique_ptr<TGraphic> loaded;
    if (picture_data::IsPng(data)) {
        auto png = std::make_unique<TPngImage>();
        png->LoadFromBytes(data, nameForErrors);
        loaded = std::move(png);
    } else {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromBytes(data, nameForErrors);
        loaded = std::move(bitmap);
    }
    graphic_ = std::move(loaded);
    Hook();
    Changed();
}

void TPicture::LoadFromResourceName(const std::string& name) {
    LoadFromBytes(picture_data::ReadResource(name), name);
}

void TPicture::LoadFromFile(const std::string& hostPath) {
    LoadFromBytes(picture_data::ReadFile(hostPath), hostPath);
}

void TPicture::Assign(const TPicture& source) {
    if (&source == this)
        return;
    SetGraphic(source.graphic_.get());
}

} // namespace ui
