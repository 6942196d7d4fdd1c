#pragma once
// Whole-file reads, atomic replacement and advisory locks on host paths: the platform's own
// stored files (drives.ini, system.reg, INI files) are never left half written.
#include <cstddef>
#include <filesystem>
#include <string>

namespace sys {

// The Windows error code (2 file not found, 3 path not found, 5 access denied, ...) for an errno.
int WindowsErrorFromErrno(int error);

// Writes all of data to an open file, going on after short writes and interruptions; false when
// the file refuses a write.
bool WriteAll(int fd, const char* data, size_t size);

// Reads a whole file; raises EInOutError naming the path when it cannot.
std::string ReadWholeFile(const std::filesystem::path& path);
// Replaces a file by writing a temporary file in the same folder, flushing it to disk and
// renaming it over the old one; the old content stays intact when anything fails (EInOutError).
void WriteFileAtomically(const std::filesystem::path& path, const std::string& content);

// An flock held on a lock file for the object's lifetime (shared for readers, exclusive for
// writers). The lock file is created when missing; failure raises EInOutError.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    FileLock(const std::filesystem::path& lockFile, Mode mode);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int Fd = -1;
};

} // namespace sys
