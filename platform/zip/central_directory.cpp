#include "platform/zip/central_directory.h"

#include "platform/zip/entry_name.h"
#include "platform/zip/extra_fields.h"
#include "platform/zip/little_endian.h"
#include "platform/zip/zip_error.h"

#include <climits>
#include <string_view>

namespace zip::detail {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kMaxCommentSize = 0xFFFF;

// Where the table of contents is, from the end record or, for ZIP64, its own record.
struct DirectoryLocation {
    uint64_t EntryCount = 0;
    uint64_t Size = 0;
    uint64_t Offset = 0;
    uint64_t Limit = 0; // the first end record's position: the directory ends before it
};

uint64_t FindEndRecord(const ArchiveSource& source) {
    uint64_t size = source.Size();
    if (size < kEndSize)
        throw ZipError("not a zip archive (too short for an end record)");
    size_t tailSize = static_cast<size_t>(std::min<uint64_t>(size, kEndSize + kMaxCommentSize));
    uint64_t tailStart = size - tailSize;
    std::vector<uint8_t> tail(tailSize);
    source.ReadExact(tailStart, tail.data(), tailSize, "the end record");
    for (size_t i = tailSize - kEndSize + 1; i-- > 0;) {
        const uint8_t* p = tail.data() + i;
        if (ReadU32(p) == kEndSignature && i + kEndSize + ReadU16(p + 20) <= tailSize)
            return tailStart + i;
    }
    throw ZipError("not a zip archive, or truncated (no end of central directory record)");
}

// The ZIP64 end record named by the locator just before the end record, when there is one.
std::optional<DirectoryLocation> ReadZip64End(const ArchiveSource& source, uint64_t endPos) {
    if (endPos < kZip64LocatorSize)
        return std::nullopt;
    uint8_t locator[kZip64LocatorSize];
    source.ReadExact(endPos - kZip64LocatorSize, locator, sizeof locator, "the ZIP64 locator");
    if (ReadU32(locator) != kZip64LocatorSignature)
        return std::nullopt;
    if (ReadU32(locator + 4) != 0 || ReadU32(locator + 16) > 1)
        throw ZipError("archives split over several disks are not supported");
    uint64_t recordPos = ReadU64(locator + 8);
    if (recordPos > endPos - kZip64LocatorSize ||
        endPos - kZip64LocatorSize - recordPos < kZip64EndSize)
        throw ZipError("damaged ZIP64 end record (it lies outside the archive)");
    uint8_t record[kZip64EndSize];
    source.ReadExact(recordPos, record, sizeof record, "the ZIP64 end record");
    if (ReadU32(record) != kZip64EndSignature)
        throw ZipError("damaged ZIP64 end record (bad signature)");
    if (ReadU32(record + 16) != 0 || ReadU32(record + 20) != 0)
        throw ZipError("archives split over several disks are not supported");
    DirectoryLocation location;
    location.EntryCount = ReadU64(record + 32);
    location.Size = ReadU64(record + 40);
    location.Offset = ReadU64(record + 48);
    location.Limit = recordPos;
    return location;
}

DirectoryLocation LocateDirectory(const ArchiveSource& source) {
    uint64_t endPos = FindEndRecord(source);
    if (auto zip64 = ReadZip64End(source, endPos))
        return *zip64;
    uint8_t end[kEndSize];
    source.ReadExact(endPos, end, sizeof end, "the end record");
    if (ReadU16(end + 4) != 0 || ReadU16(end + 6) != 0)
        throw ZipError("archives split over several disks are not supported");
    DirectoryLocation location;
    location.EntryCount = ReadU16(end + 10);
    location.Size = ReadU32(end + 12);
    location.Offset = ReadU32(end + 16);
    location.Limit = endPos;
    return location;
}

// Replaces the saturated 32-bit fields by the values of the ZIP64 extra field, in its order.
void ApplyZip64Extra(TZipHeader& header, std::string_view extra) {
    bool needSize = header.UncompressedSize == 0xFFFFFFFF;
    bool needCompressed = header.CompressedSize == 0xFFFFFFFF;
    bool needOffset = header.LocalHeaderOffset == 0xFFFFFFFF;
    if (!needSize && !needCompressed && !needOffset)
        return;
    auto field = FindExtraField(extra, kZip64ExtraId);
    std::string_view data = field.value_or(std::string_view());
    size_t pos = 0;
    auto next = [&](uint64_t& value) {
        if (data.size() - pos < 8)
            throw ZipError("damaged header (the ZIP64 extra field is missing or short)");
        value = ReadU64(reinterpret_cast<const uint8_t*>(data.data() + pos));
        pos += 8;
    };
    if (needSize)
        next(header.UncompressedSize);
    if (needCompressed)
        next(header.CompressedSize);
    if (needOffset)
        next(header.LocalHeaderOffset);
}

std::optional<int64_t> UnixModifiedTime(std::string_view extra) {
    auto field = FindExtraField(extra, kTimestampExtraId);
    if (!field || field->size() < 5 || !((*field)[0] & 1))
        return std::nullopt;
    auto seconds =
        static_cast<int32_t>(ReadU32(reinterpret_cast<const uint8_t*>(field->data() + 1)));
    return seconds;
}

// Parses the header at pos of the directory bytes and moves pos past it.
ZipEntry ParseCentralHeader(const std::vector<uint8_t>& dir, size_t& pos, uint64_t index) {
    auto damaged = [index](const char* what) {
        return ZipError("damaged central directory at entry " + std::to_string(index + 1) + " (" +
                        what + ")");
    };
    if (dir.size() - pos < kCentralHeaderSize)
        throw damaged("cut off");
    const uint8_t* p = dir.data() + pos;
    if (ReadU32(p) != kCentralHeaderSignature)
        throw damaged("bad signature");
    size_t nameSize = ReadU16(p + 28);
    size_t extraSize = ReadU16(p + 30);
    size_t commentSize = ReadU16(p + 32);
    if (dir.size() - pos - kCentralHeaderSize < nameSize + extraSize + commentSize)
        throw damaged("cut off");
    std::string_view name(reinterpret_cast<const char*>(p + kCentralHeaderSize), nameSize);
    std::string_view extra(name.data() + nameSize, extraSize);

    ZipEntry entry;
    TZipHeader& h = entry.Header;
    h.MadeByVersion = ReadU16(p + 4);
    h.RequiredVersion = ReadU16(p + 6);
    h.Flag = ReadU16(p + 8);
    h.CompressionMethod = ReadU16(p + 10);
    h.ModifiedDateTime = ReadU32(p + 12);
    h.CRC32 = ReadU32(p + 16);
    h.CompressedSize = ReadU32(p + 20);
    h.UncompressedSize = ReadU32(p + 24);
    h.InternalAttributes = ReadU16(p + 36);
    h.ExternalAttributes = ReadU32(p + 38);
    h.LocalHeaderOffset = ReadU32(p + 42);
    ApplyZip64Extra(h, extra);
    h.FileName = DecodeEntryName(name, h.MadeByVersion, h.Flag, extra);
    entry.UnixModifiedTime = UnixModifiedTime(extra);
    pos += kCentralHeaderSize + nameSize + extraSize + commentSize;
    return entry;
}

} // namespace

CentralDirectory ReadCentralDirectory(const ArchiveSource& source) {
    DirectoryLocation location = LocateDirectory(source);
    if (location.Offset > location.Limit || location.Size > location.Limit - location.Offset)
        throw ZipError("damaged end record (the central directory lies outside the archive)");
    if (location.EntryCount > location.Size / kCentralHeaderSize || location.EntryCount > INT_MAX)
        throw ZipError("damaged end record (more entries than the central directory holds)");

    std::vector<uint8_t> dir(static_cast<size_t>(location.Size));
    source.ReadExact(location.Offset, dir.data(), dir.size(), "the central directory");
    CentralDirectory result;
    result.Start = location.Offset;
    result.Entries.reserve(static_cast<size_t>(location.EntryCount));
    size_t pos = 0;
    for (uint64_t i = 0; i < location.EntryCount; ++i)
        result.Entries.push_back(ParseCentralHeader(dir, pos, i));
    return result;
}

} // namespace zip::detail
