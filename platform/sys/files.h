#pragma once
// File and folder operations on Windows paths, with the Windows results (true/false) where the
// callers expect them rather than exceptions.
#include <cstdint>
#include <memory>
#include <string>

namespace sys {

// File attribute bits, as Windows numbers them.
constexpr uint32_t faReadOnly = 0x01;
constexpr uint32_t faHidden = 0x02;
constexpr uint32_t faSysFile = 0x04;
constexpr uint32_t faDirectory = 0x10;
constexpr uint32_t faArchive = 0x20;
constexpr uint32_t faNormal = 0x80;
constexpr uint32_t faAnyFile = 0x3F;
constexpr uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

bool FileExists(const std::string& path);       // a file (not a folder)
bool DirectoryExists(const std::string& path);  // a folder
bool CreateDir(const std::string& path);        // one level; false when it fails or exists
bool ForceDirectories(const std::string& path); // with parents; true when it exists afterwards
bool RemoveDir(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// CopyFile(from, to, failIfExists): overwrites when failIfExists is false.
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
uint32_t GetFileAttributes(const std::string& path); // INVALID_FILE_ATTRIBUTES when missing
bool SetFileAttributes(const std::string& path, uint32_t attributes); // faNormal clears all
int64_t FileSize(const std::string& path);                            // -1 when missing

// FindFirst/FindNext/FindClose over one folder with a Windows mask ("*.*", "*.ZIP", "DISK1").
// "." and ".." are reported too (callers skip them), as the original enumeration does, except in
// a drive's root folder, which has none on Windows either. Names come in the order of their
// upper-cased spelling; hidden (dot) files, read-only files and folders carry their attributes.
struct TSearchRec {
    std::string Name;
    uint32_t Attr = 0;
    int64_t Size = 0;
    std::shared_ptr<void> Handle; // enumeration state
};
// 0 on success, non-zero when nothing (more) matches. attr selects hidden/system/folders as on
// Windows; faAnyFile reports everything.
int FindFirst(const std::string& pathAndMask, uint32_t attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
// Whether name matches a Windows wildcard mask (* and ?, without regard to case; "*.*" matches
// names without a dot too).
bool MatchesMask(const std::string& name, const std::string& mask);

// The process's current folder as a Windows path (no trailing separator except at a root).
std::string GetCurrentDir();
// Sets the current folder; raises EInOutError naming the path when it is missing.
void ChDir(const std::string& path);
bool SetCurrentDir(const std::string& path);

// The temporary folder in long form with a trailing separator (C:\Windows\Temp\ by default;
// the TEMP value of the prefix's environment is not consulted).
std::string GetTempPath();
// The Windows folder, C:\Windows (no trailing separator).
std::string GetWindowsDirectory();
// A new GUID as 32 upper-case hexadecimal digits, no braces, no dashes.
std::string NewGuidHex();
// The running executable's folder as a Windows path, with its trailing separator.
std::string ExeFolder();
// The running executable's full Windows path.
std::string ExeName();

// Path helpers on Windows paths (either separator accepted).
std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);
std::string ExtractFilePath(const std::string& path); // with trailing separator
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path); // from the last "." on, "" when none

} // namespace sys
