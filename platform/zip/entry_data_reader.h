#pragma once
// Streams an entry's uncompressed bytes through fixed buffers: memory use does not depend on the
// entry's size. Sizes and the CRC-32 are checked against the central directory.
#include "platform/zip/archive_source.h"
#include "platform/zip/zip_header.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zip::detail {

// Raises ZipError for an encrypted entry or a method other than stored and Deflate.
void CheckSupported(const TZipHeader& header);

class EntryDataReader {
public:
    using Sink = std::function<void(const uint8_t* data, size_t size)>;

    EntryDataReader();
    ~EntryDataReader();
    EntryDataReader(const EntryDataReader&) = delete;
    EntryDataReader& operator=(const EntryDataReader&) = delete;

    // Finds the data through the local header and hands it to sink chunk by chunk. The data
    // must end before dataLimit (where the central directory starts). Raises ZipError when the
    // data is damaged or cut off, does not match the declared sizes, or fails its CRC-32; sink
    // never receives more than the declared uncompressed size.
    void Read(const ArchiveSource& source, const TZipHeader& header, uint64_t dataLimit,
              const Sink& sink);

private:
    uint64_t DataOffset(const ArchiveSource& source, const TZipHeader& header,
                        uint64_t dataLimit) const;
    uint32_t ReadStored(const ArchiveSource& source, uint64_t offset, const TZipHeader& header,
                        const Sink& sink);
    uint32_t ReadDeflated(const ArchiveSource& source, uint64_t offset, const TZipHeader& header,
                          const Sink& sink);

    struct Inflater;
    std::unique_ptr<Inflater> inflater_;
    std::vector<uint8_t> input_;
    std::vector<uint8_t> output_;
};

} // namespace zip::detail
