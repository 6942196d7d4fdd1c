#include "platform/zip/entry_data_reader.h"

#include "platform/zip/little_endian.h"
#include "platform/zip/zip_error.h"

#include <algorithm>
#include <zlib.h>

namespace zip::detail {
namespace {

constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflate = 8;
constexpr uint16_t kEncryptedFlag = 0x0001;
constexpr size_t kBufferSize = 256 * 1024;
constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr size_t kLocalHeaderSize = 30;

uint32_t UpdateCrc(uint32_t crc, const uint8_t* data, size_t size) {
    return static_cast<uint32_t>(crc32(crc, data, static_cast<uInt>(size)));
}

std::string Hex(uint32_t value) {
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[i] = digits[value & 0xF];
    return text;
}

} // namespace

void CheckSupported(const TZipHeader& header) {
    if (header.Flag & kEncryptedFlag)
        throw ZipError("encrypted entries are not supported");
    if (header.CompressionMethod != kMethodStored && header.CompressionMethod != kMethodDeflate)
        throw ZipError("unsupported compression method " +
                       std::to_string(header.CompressionMethod));
}

// A raw-Deflate stream kept for the reader's lifetime and reset for each entry.
struct EntryDataReader::Inflater {
    Inflater() {
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            throw ZipError("cannot start the decompressor");
    }
    ~Inflater() { inflateEnd(&stream); }
    z_stream stream{};
};

EntryDataReader::EntryDataReader()
    : inflater_(std::make_unique<Inflater>()), input_(kBufferSize), output_(kBufferSize) {}

EntryDataReader::~EntryDataReader() = default;

void EntryDataReader::Read(const ArchiveSource& source, const TZipHeader& header,
                           uint64_t dataLimit, const Sink& sink) {
    CheckSupported(header);
    uint64_t offset = DataOffset(source, header, dataLimit);
    uint32_t crc = header.CompressionMethod == kMethodStored
                       ? ReadStored(source, offset, header, sink)
                       : ReadDeflated(source, offset, header, sink);
    if (crc != header.CRC32)
        throw ZipError("CRC-32 mismatch (stored " + Hex(header.CRC32) + ", data " + Hex(crc) + ")");
}

uint64_t EntryDataReader::DataOffset(const ArchiveSource& source, const TZipHeader& header,
                                     uint64_t dataLimit) const {
    uint8_t local[kLocalHeaderSize];
    if (header.LocalHeaderOffset >= dataLimit)
        throw ZipError("damaged header (the local header lies outside the archive)");
    source.ReadExact(header.LocalHeaderOffset, local, sizeof local, "a local header");
    if (ReadU32(local) != kLocalHeaderSignature)
        throw ZipError("damaged local header (bad signature)");
    uint64_t offset =
        header.LocalHeaderOffset + kLocalHeaderSize + ReadU16(local + 26) + ReadU16(local + 28);
    if (offset > dataLimit || header.CompressedSize > dataLimit - offset)
        throw ZipError("the entry's data is cut off (the archive is truncated or its declared "
                       "compressed size is wrong)");
    return offset;
}

uint32_t EntryDataReader::ReadStored(const ArchiveSource& source, uint64_t offset,
                                     const TZipHeader& header, const Sink& sink) {
    if (header.CompressedSize != header.UncompressedSize)
        throw ZipError("declared sizes do not match (a stored entry of " +
                       std::to_string(header.CompressedSize) + " bytes declares " +
                       std::to_string(header.UncompressedSize) + ")");
    uint32_t crc = UpdateCrc(0, nullptr, 0);
    uint64_t remaining = header.CompressedSize;
    while (remaining > 0) {
        size_t chunk = static_cast<size_t>(std::min<uint64_t>(remaining, input_.size()));
        source.ReadExact(offset, input_.data(), chunk, "the entry's data");
        crc = UpdateCrc(crc, input_.data(), chunk);
        sink(input_.data(), chunk);
        offset += chunk;
        remaining -= chunk;
    }
    return crc;
}

uint32_t EntryDataReader::ReadDeflated(const ArchiveSource& source, uint64_t offset,
                                       const TZipHeader& header, const Sink& sink) {
    z_stream& stream = inflater_->stream;
    inflateReset(&stream);
    stream.next_in = input_.data();
    stream.avail_in = 0;
    uint64_t remainingIn = header.CompressedSize;
    uint64_t produced = 0;
    uint32_t crc = UpdateCrc(0, nullptr, 0);
    for (;;) {
        if (stream.avail_in == 0 && remainingIn > 0) {
            size_t chunk = static_cast<size_t>(std::min<uint64_t>(remainingIn, input_.size()));
            source.ReadExact(offset, input_.data(), chunk, "the entry's data");
            offset += chunk;
            remainingIn -= chunk;
            stream.next_in = input_.data();
            stream.avail_in = static_cast<uInt>(chunk);
        }
        stream.next_out = output_.data();
        stream.avail_out = static_cast<uInt>(output_.size());
        int status = inflate(&stream, Z_NO_FLUSH);
        size_t have = output_.size() - stream.avail_out;
        if (have > header.UncompressedSize - produced)
            throw ZipError("the data is longer than the declared size of " +
                           std::to_string(header.UncompressedSize) + " bytes");
        if (have > 0) {
            crc = UpdateCrc(crc, output_.data(), have);
            produced += have;
            sink(output_.data(), have);
        }
        if (status == Z_STREAM_END)
            break;
        if (status == Z_BUF_ERROR && have == 0) {
            // No progress with room to write: the input is used up before the stream's end.
            throw ZipError("the compressed data is cut off (the archive is truncated or its "
                           "declared compressed size is wrong)");
        }
        if (status != Z_OK && status != Z_BUF_ERROR)
            throw ZipError(std::string("damaged compressed data (") +
                           (stream.msg ? stream.msg : "inflate failed") + ")");
    }
    if (stream.avail_in > 0 || remainingIn > 0)
        throw ZipError("the compressed data ends before its declared compressed size");
    if (produced != header.UncompressedSize)
        throw ZipError("the data is shorter (" + std::to_string(produced) +
                       " bytes) than its declared size of " +
                       std::to_string(header.UncompressedSize) + " bytes");
    return crc;
}

} // namespace zip::detail
