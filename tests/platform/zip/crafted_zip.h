#pragma once
// Writes zip archives byte by byte, with every header field under the test's control, for
// inputs that no well-behaved archiver produces.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zip_test {

constexpr uint16_t kMadeByFat = 20;             // DOS host, version 2.0
constexpr uint16_t kMadeByUnix = (3 << 8) | 30; // Unix host, version 3.0

struct CraftedEntry {
    std::string name;    // the stored bytes
    std::string data;    // the uncompressed contents
    uint16_t method = 8; // 8 is compressed with Deflate; any other value stores data as is
    uint16_t flags = 0;
    uint16_t madeBy = kMadeByFat;
    uint32_t externalAttributes = 0;
    uint32_t dosDateTime = 0x58A36C21; // 2024-05-03 13:33:02
    std::string extra;                 // both in the local and the central header
    bool dataDescriptor = false;       // sizes and CRC after the data, zero in the local header
    // Declared values that lie about the data, when set.
    std::optional<uint32_t> crc;
    std::optional<uint32_t> compressedSize;
    std::optional<uint32_t> uncompressedSize;
    // Applied to the compressed bytes before they are written.
    std::optional<size_t> truncateDataTo;
    std::optional<size_t> flipDataByte;
};

std::string CraftZip(const std::vector<CraftedEntry>& entries);
std::string RawDeflate(const std::string& data);
// An extra field record.
std::string ExtraField(uint16_t id, const std::string& data);
std::string Le16(uint16_t value);
std::string Le32(uint32_t value);
uint32_t Crc32(const std::string& data);

} // namespace zip_test
