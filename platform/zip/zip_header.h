#pragma once
// An entry's central directory header, with ZIP64 sizes and offset already resolved.
#include <cstdint>
#include <string>

namespace zip {

struct TZipHeader {
    uint16_t MadeByVersion = 0; // high byte: host system (0 FAT, 3 Unix, ...)
    uint16_t RequiredVersion = 0;
    uint16_t Flag = 0;              // bit 0 encrypted, bit 3 data descriptor, bit 11 UTF-8 name
    uint16_t CompressionMethod = 0; // 0 stored, 8 deflate
    uint32_t ModifiedDateTime = 0;  // DOS date (high word) and time (low word)
    uint32_t CRC32 = 0;
    uint64_t CompressedSize = 0;
    uint64_t UncompressedSize = 0;
    uint16_t InternalAttributes = 0;
    uint32_t ExternalAttributes = 0; // low byte DOS attributes; high word Unix mode on Unix hosts
    uint64_t LocalHeaderOffset = 0;
    std::string FileName; // the stored name decoded to UTF-8, separators as stored
};

} // namespace zip
