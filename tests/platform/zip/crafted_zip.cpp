#include "crafted_zip.h"

#include <stdexcept>
#include <zlib.h>

namespace zip_test {

std::string Le16(uint16_t value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Le32(uint32_t value) {
    return Le16(static_cast<uint16_t>(value & 0xFFFF)) + Le16(static_cast<uint16_t>(value >> 16));
}

uint32_t Crc32(const std::string& data) {
    return static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string RawDeflate(const std::string& data) {
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

std::string ExtraField(uint16_t id, const std::string& data) {
    return Le16(id) + Le16(static_cast<uint16_t>(data.size())) + data;
}

std::string CraftZip(const std::vector<CraftedEntry>& entries) {
    std::string archive;
    std::string directory;
    for (const CraftedEntry& e : entries) {
        std::string stored = e.method == 8 ? RawDeflate(e.data) : e.data;
        if (e.truncateDataTo)
            stored.resize(*e.truncateDataTo);
        if (e.flipDataByte)
            stored.at(*e.flipDataByte) ^= 0x55;
        uint32_t crc = e.crc.value_or(Crc32(e.data));
        uint32_t compressed = e.compressedSize.value_or(static_cast<uint32_t>(stored.size()));
        uint32_t uncompressed = e.uncompressedSize.value_or(static_cast<uint32_t>(e.data.size()));
        uint16_t flags = static_cast<uint16_t>(e.flags | (e.dataDescriptor ? 0x0008 : 0));
        auto offset = static_cast<uint32_t>(archive.size());

        std::string common = Le16(flags) + Le16(e.method) + Le32(e.dosDateTime);
        std::string sizes = Le32(crc) + Le32(compressed) + Le32(uncompressed);
        std::string lengths = Le16(static_cast<uint16_t>(e.name.size())) +
                              Le16(static_cast<uint16_t>(e.extra.size()));
        archive += Le32(0x04034b50) + Le16(20) + common +
                   (e.dataDescriptor ? std::string(12, '\0') : sizes) + lengths + e.name + e.extra +
                   stored;
        if (e.dataDescriptor)
            archive += Le32(0x08074b50) + sizes;
        directory += Le32(0x02014b50) + Le16(e.madeBy) + Le16(20) + common + sizes + lengths +
                     Le16(0) + Le16(0) + Le16(0) + Le32(e.externalAttributes) + Le32(offset) +
                     e.name + e.extra;
    }
    auto directoryOffset = static_cast<uint32_t>(archive.size());
    auto count = static_cast<uint16_t>(entries.size());
    archive += directory;
    archive += Le32(0x06054b50) + Le16(0) + Le16(0) + Le16(count) + Le16(count) +
               Le32(static_cast<uint32_t>(directory.size())) + Le32(directoryOffset) + Le16(0);
    return archive;
}

} // namespace zip_test
