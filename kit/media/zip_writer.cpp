#include "kit/media/zip_writer.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace kit {

namespace {

constexpr uint32_t LocalSignature = 0x04034b50;
constexpr uint32_t CentralSignature = 0x02014b50;
constexpr uint32_t EndSignature = 0x06054b50;
constexpr uint32_t End64Signature = 0x06064b50;
constexpr uint32_t Locator64Signature = 0x07064b50;
constexpr uint16_t Zip64ExtraId = 0x0001;
constexpr uint32_t Max32 = 0xFFFFFFFF;
constexpr uint16_t Max16 = 0xFFFF;
// Deflate may grow incompressible data a little: files this large get ZIP64 headers up front.
constexpr uint64_t Zip64FileThreshold = 0xFFFF0000;
constexpr size_t ChunkSize = 1 << 20;

struct Bytes {
    std::vector<uint8_t> data;
    void u16(uint16_t v) {
        data.push_back(static_cast<uint8_t>(v));
        data.push_back(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void u64(uint64_t v) {
        u32(static_cast<uint32_t>(v));
        u32(static_cast<uint32_t>(v >> 32));
    }
    void text(const std::string& s) { data.insert(data.end(), s.begin(), s.end()); }
};

uint32_t DosTime(std::time_t moment) {
    std::tm t{};
    localtime_r(&moment, &t);
    if (t.tm_year < 80)
        return (1 << 21) | (1 << 16); // 1980-01-01, the earliest a zip can say
    return static_cast<uint32_t>(((t.tm_year - 80) << 25) | ((t.tm_mon + 1) << 21) |
                                 (t.tm_mday << 16) | (t.tm_hour << 11) | (t.tm_min << 5) |
                                 (t.tm_sec / 2));
}

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what) {
    throw std::runtime_error(path.string() + ": " + what + ": " + std::strerror(errno));
}

} // namespace

ZipWriter::ZipWriter(const std::filesystem::path& archive, int level_)
    : path(archive), level(level_) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        Fail(path, "cannot create the archive");
}

ZipWriter::~ZipWriter() {
    if (fd >= 0)
        ::close(fd);
}

void ZipWriter::Put(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n <= 0)
            Fail(path, "cannot write the archive");
        p += n;
        size -= static_cast<size_t>(n);
        offset += static_cast<uint64_t>(n);
    }
}

void ZipWriter::WriteLocalHeader(const Entry& entry, bool zip64) {
    Bytes b;
    b.u32(LocalSignature);
    b.u16(zip64 ? 45 : 20);
    b.u16(IsAscii(entry.Name) ? 0 : 0x0800);
    b.u16(entry.Method);
    b.u32(entry.DosTime);
    b.u32(entry.Crc);
    b.u32(zip64 ? Max32 : static_cast<uint32_t>(entry.Compressed));
    b.u32(zip64 ? Max32 : static_cast<uint32_t>(entry.Uncompressed));
    b.u16(static_cast<uint16_t>(entry.Name.size()));
    b.u16(zip64 ? 20 : 0);
    b.text(entry.Name);
    if (zip64) {
        b.u16(Zip64ExtraId);
        b.u16(16);
        b.u64(entry.Uncompressed);
        b.u64(entry.Compressed);
    }
    Put(b.data.data(), b.data.size());
}

void ZipWriter::AddFolder(const std::string& storedName, int64_t modified) {
    Entry entry;
    entry.Name = storedName.ends_with('/') ? storedName : storedName + "/";
    entry.Offset = offset;
    entry.DosTime = DosTime(static_cast<std::time_t>(modified));
    entry.External = (040755u << 16) | 0x10;
    WriteLocalHeader(entry, false);
    entries.push_back(entry);
}

void ZipWriter::AddFile(const std::filesystem::path& file, const std::string& storedName) {
    const int in = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        Fail(file, "cannot read");
    struct stat st {};
    ::fstat(in, &st);
    Entry entry;
    entry.Name = storedName;
    entry.Offset = offset;
    entry.DosTime = DosTime(st.st_mtime);
    entry.External = (static_cast<uint32_t>(st.st_mode & 0100777) | 0100000u) << 16;
    entry.Method = st.st_size > 0 ? Z_DEFLATED : 0;
    const bool zip64 = static_cast<uint64_t>(st.st_size) >= Zip64FileThreshold;
    const uint64_t headerAt = offset;
    WriteLocalHeader(entry, zip64);

    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        ::close(in);
        throw std::runtime_error("zlib: cannot start Deflate");
    }
    std::vector<uint8_t> input(ChunkSize), output(ChunkSize);
    uLong crc = crc32(0, nullptr, 0);
    for (bool last = false; !last;) {
        const ssize_t got = ::read(in, input.data(), input.size());
        if (got < 0) {
            deflateEnd(&z);
            ::close(in);
            Fail(file, "cannot read");
        }
        last = got == 0;
        crc = crc32(crc, input.data(), static_cast<uInt>(got));
        entry.Uncompressed += static_cast<uint64_t>(got);
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(got);
        do {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            const size_t produced = output.size() - z.avail_out;
            if (entry.Method == Z_DEFLATED)
                Put(output.data(), produced);
            entry.Compressed += entry.Method == Z_DEFLATED ? produced : 0;
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    ::close(in);
    entry.Crc = static_cast<uint32_t>(crc);

    // Sizes and CRC are known only now: rewrite the header in place.
    const uint64_t end = offset;
    offset = headerAt;
    if (::lseek(fd, static_cast<off_t>(headerAt), SEEK_SET) < 0)
        Fail(path, "cannot seek in the archive");
    WriteLocalHeader(entry, zip64);
    if (::lseek(fd, static_cast<off_t>(end), SEEK_SET) < 0)
        Fail(path, "cannot seek in the archive");
    offset = end;
    entries.push_back(entry);
}

void ZipWriter::AddTree(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> items;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root))
        items.push_back(item.path());
    std::sort(items.begin(), items.end());
    for (const auto& item : items) {
        const std::string name = std::filesystem::relative(item, root).generic_string();
        struct stat st {};
        if (::stat(item.c_str(), &st) != 0)
            Fail(item, "cannot read");
        if (S_ISDIR(st.st_mode))
            AddFolder(name, st.st_mtime);
        else if (S_ISREG(st.st_mode))
            AddFile(item, name);
    }
}

void ZipWriter::PutCentralDirectory() {
    const uint64_t start = offset;
    for (const Entry& e : entries) {
        const bool big = e.Compressed >= Max32 || e.Uncompressed >= Max32 || e.Offset >= Max32;
        Bytes b;
        b.u32(CentralSignature);
        b.u16((3 << 8) | (big ? 45 : 20));
        b.u16(big ? 45 : 20);
        b.u16(IsAscii(e.Name) ? 0 : 0x0800);
        b.u16(e.Method);
        b.u32(e.DosTime);
        b.u32(e.Crc);
        b.u32(big ? Max32 : static_cast<uint32_t>(e.Compressed));
        b.u32(big ? Max32 : static_cast<uint32_t>(e.Uncompressed));
        b.u16(static_cast<uint16_t>(e.Name.size()));
        b.u16(big ? 28 : 0);
        b.u16(0); // comment
        b.u16(0); // disk
        b.u16(0); // internal attributes
        b.u32(e.External);
        b.u32(big ? Max32 : static_cast<uint32_t>(e.Offset));
        b.text(e.Name);
        if (big) {
            b.u16(Zip64ExtraId);
            b.u16(24);
            b.u64(e.Uncompressed);
            b.u64(e.Compressed);
            b.u64(e.Offset);
        }
        Put(b.data.data(), b.data.size());
    }
    const uint64_t size = offset - start;
    const bool zip64 = entries.size() >= Max16 || start >= Max32 || size >= Max32;
    Bytes b;
    if (zip64) {
        const uint64_t end64 = offset;
        b.u32(End64Signature);
        b.u64(44);
        b.u16((3 << 8) | 45);
        b.u16(45);
        b.u32(0);
        b.u32(0);
        b.u64(entries.size());
        b.u64(entries.size());
        b.u64(size);
        b.u64(start);
        b.u32(Locator64Signature);
        b.u32(0);
        b.u64(end64);
        b.u32(1);
    }
    b.u32(EndSignature);
    b.u16(0);
    b.u16(0);
    b.u16(zip64 ? Max16 : static_cast<uint16_t>(entries.size()));
    b.u16(zip64 ? Max16 : static_cast<uint16_t>(entries.size()));
    b.u32(zip64 ? Max32 : static_cast<uint32_t>(size));
    b.u32(zip64 ? Max32 : static_cast<uint32_t>(start));
    b.u16(0);
    Put(b.data.data(), b.data.size());
}

void ZipWriter::Finish() {
    if (finished)
        return;
    PutCentralDirectory();
    if (::fsync(fd) != 0 && errno != EINVAL)
        Fail(path, "cannot flush the archive");
    ::close(fd);
    fd = -1;
    finished = true;
}

} // namespace kit
