#pragma once
// Writes zip archives of files and folders, streaming each file through Deflate so that memory
// does not grow with a file's size. ZIP64 records are written when sizes or offsets need them.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kit {

class ZipWriter {
public:
    // Creates (or replaces) the archive; throws std::runtime_error naming it when it cannot.
    explicit ZipWriter(const std::filesystem::path& archive, int level = 6);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Adds one file under its stored name ("/"-separated); its modification time is kept.
    void AddFile(const std::filesystem::path& file, const std::string& storedName);
    // Adds a folder entry ("name/") stamped with modified (a time_t; 1980-01-01 when 0).
    void AddFolder(const std::string& storedName, int64_t modified = 0);
    // Adds every file and folder below root, in name order, with names relative to root.
    void AddTree(const std::filesystem::path& root);
    // Writes the central directory; the archive is complete only after this.
    void Finish();

private:
    struct Entry {
        std::string Name;
        uint32_t Crc = 0;
        uint64_t Compressed = 0, Uncompressed = 0, Offset = 0;
        uint16_t Method = 0;
        uint32_t DosTime = 0;
        uint32_t External = 0;
    };
    void WriteLocalHeader(const Entry& entry, bool zip64);
    void Put(const void* data, size_t size);
    void PutCentralDirectory();

    std::filesystem::path path;
    int fd = -1;
    int level;
    uint64_t offset = 0;
    std::vector<Entry> entries;
    bool finished = false;
};

} // namespace kit
