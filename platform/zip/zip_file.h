#pragma once
// TZipFile: the platform's zip archive reader over zlib, with the names the installer's copy
// screens use. Paths are host paths; callers map Windows paths through platform/sys first.
//
// Entries are streamed (stored and Deflate, ZIP64, data descriptors), every entry's size and
// CRC-32 are checked, and a file is only ever replaced by a complete, verified one. An entry
// that would land outside the destination, a symbolic-link entry, an encrypted entry or any
// damage raises EZipException naming the archive and the entry.
#include "platform/zip/zip_exception.h"
#include "platform/zip/zip_header.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zip {

enum TZipMode { zmClosed, zmRead, zmReadWrite, zmWrite };

// Called while an entry is written: position is the number of the entry's bytes written so
// far; it is called exactly once with position == header.UncompressedSize, when the entry is
// complete and in place (also for empty entries and folders). The handler may raise an
// exception to stop the extraction (the entry's partial file is removed); it must not close or
// reopen the archive.
using TZipProgressEvent = std::function<void(void* sender, const std::string& fileName,
                                             const TZipHeader& header, uint64_t position)>;

class TZipFile {
public:
    TZipFile();
    ~TZipFile();
    TZipFile(const TZipFile&) = delete;
    TZipFile& operator=(const TZipFile&) = delete;

    // Opens an archive; only zmRead is supported. An archive already open is closed first.
    void Open(const std::filesystem::path& fileName, TZipMode mode);
    // Opens an archive held in memory; displayName stands for the archive in error messages.
    void OpenMemory(std::vector<uint8_t> bytes, const std::string& displayName);
    void Close();
    TZipMode Mode() const;

    int FileCount() const;
    const std::string& FileName(int index) const; // the stored name, decoded to UTF-8
    const TZipHeader& FileInfo(int index) const;

    // Extracts entry index under path (created when missing). With createSubdirs the entry's
    // stored folders are created below path; without, the file lands directly in path.
    void Extract(int index, const std::filesystem::path& path, bool createSubdirs = true);
    // Extracts every entry in archive order, then gives the folder entries their times.
    void ExtractAll(const std::filesystem::path& path);

    // Opens zipFileName, extracts everything under path reporting through zipProgress, closes.
    static void ExtractZipFile(const std::filesystem::path& zipFileName,
                               const std::filesystem::path& path,
                               TZipProgressEvent zipProgress = nullptr);

    TZipProgressEvent OnProgress;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zip
