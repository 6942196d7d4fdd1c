#pragma once
// Reading picture data (BMP, PNG) into 32-bit images, shared by the bitmap and the PNG image.
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

namespace ui::picture_data {

// The image in data; raises EInvalidGraphic naming nameForErrors when it cannot be read.
QImage Decode(const std::vector<uint8_t>& data, const std::string& nameForErrors);
// The bytes of a picture resource named by its path or, in the pictures folder, by its stem.
std::vector<uint8_t> ReadResource(const std::string& name);
// The bytes of a host file; raises EInvalidGraphic naming it when it cannot be read.
std::vector<uint8_t> ReadFile(const std::string& hostPath);
bool IsPng(const std::vector<uint8_t>& data);

} // namespace ui::picture_data
