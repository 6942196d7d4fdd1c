#include "resources/skin_art/picture_files.h"

#include <stdexcept>
#include <string>

#include <zlib.h>

namespace skinart {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void Put32BigEndian(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(v >> shift));
}

void PngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    Put32BigEndian(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, out.data() + start, uInt(out.size() - start));
    Put32BigEndian(out, uint32_t(crc));
}

} // namespace

std::vector<uint8_t> BitmapFile(ui::TCanvas& c, int w, int h) {
    int rowBytes = (w * 3 + 3) & ~3;
    uint32_t imageSize = uint32_t(rowBytes * h);
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40); // the information header
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835); // 72 pixels per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) { // bottom-up rows
        for (int x = 0; x < w; ++x) {
            ui::TColor color = c.Pixel(x, y);
            out.push_back(uint8_t(color >> 16));
            out.push_back(uint8_t(color >> 8));
            out.push_back(uint8_t(color));
        }
        for (int pad = w * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> PngFile(ui::TCanvas& c, int w, int h, ui::TColor transparentKey) {
    std::vector<uint8_t> raw;
    raw.reserve(size_t((w * 4 + 1) * h));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < w; ++x) {
            ui::TColor color = c.Pixel(x, y);
            bool clear = color == transparentKey;
            raw.push_back(clear ? 0 : uint8_t(color));
            raw.push_back(clear ? 0 : uint8_t(color >> 8));
            raw.push_back(clear ? 0 : uint8_t(color >> 16));
            raw.push_back(clear ? 0 : 255);
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        throw std::runtime_error("cannot compress a PNG image");
    packed.resize(packedSize);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Put32BigEndian(header, uint32_t(w));
    Put32BigEndian(header, uint32_t(h));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    PngChunk(out, "IHDR", header);
    PngChunk(out, "IDAT", packed);
    PngChunk(out, "IEND", {});
    return out;
}

} // namespace skinart
