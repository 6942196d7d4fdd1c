// Picture data: decoding, and finding picture resources by name.
#include "platform/ui/graphics/picture_data.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <fstream>
#include <iterator>

#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/resource_store.h"

namespace ui::picture_data {

QImage Decode(const std::vector<uint8_t>& data, const std::string& nameForErrors) {
    QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    QImage image;
    if (format == "png" || format == "bmp")
        image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic("Bitmap image is not valid: " + nameForErrors);
    return image;
}

std::vector<uint8_t> ReadResource(const std::string& name) {
    if (Resources::Exists(name) || name.find('/') != std::string::npos)
        return Resources::Read(name);
    for (const char* extension : {".bmp", ".png"}) {
        std::string candidate = "pictures/" + name + extension;
        if (Resources::Exists(candidate))
            return Resources::Read(candidate);
    }
    return Resources::Read(name); // raises, naming it
}

std::vector<uint8_t> ReadFile(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    if (!in)
        throw EInvalidGraphic("Cannot open picture file: " + hostPath);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsPng(const std::vector<uint8_t>& data) {
    static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return data.size() >= 8 &&
           std::equal(std::begin(kSignature), std::end(kSignature), data.begin());
}

} // namespace ui::picture_data
