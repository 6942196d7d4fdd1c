#pragma once
// The bytes of an archive, read at any offset: a file read with pread, or a copy in memory.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace zip::detail {

class ArchiveSource {
public:
    virtual ~ArchiveSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads up to length bytes at offset; fewer only at the end of the archive.
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t length) const = 0;
    // Reads exactly length bytes at offset; raises ZipError naming what when they are not there.
    void ReadExact(uint64_t offset, void* buffer, size_t length, const char* what) const;
};

// Opens a file for reading; raises ZipError when it cannot be opened or is not a regular file.
std::unique_ptr<ArchiveSource> OpenFileSource(const std::filesystem::path& path);
std::unique_ptr<ArchiveSource> MakeMemorySource(std::vector<uint8_t> bytes);

} // namespace zip::detail
