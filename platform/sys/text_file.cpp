#include "platform/sys/text_file.h"

#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/host_file.h"
#include "platform/sys/prefix.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace sys {

namespace {

[[noreturn]] void Raise(const std::string& what, const std::string& path, int error) {
    throw EInOutError(what + " " + path + ": " + std::strerror(error), path,
                      WindowsErrorFromErrno(error));
}

} // namespace

TextFile::TextFile(std::string windowsPath) : WindowsPath(std::move(windowsPath)) {}

TextFile::~TextFile() {
    if (File)
        std::fclose(File);
}

void TextFile::Reset() {
    if (File)
        Close();
    const auto host = ToHostPath(WindowsPath);
    if (!host)
        Raise("Cannot open", WindowsPath, ENOENT);
    struct stat info {};
    if (::stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        Raise("Cannot open", WindowsPath, EISDIR);
    File = std::fopen(host->c_str(), "rbe");
    if (!File)
        Raise("Cannot open", WindowsPath, errno);
    Writing = false;
}

void TextFile::Rewrite() {
    if (File)
        Close();
    const auto host = ToHostPath(WindowsPath);
    if (!host)
        Raise("Cannot create", WindowsPath, ENOENT);
    const uint32_t attributes = GetFileAttributes(WindowsPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (faReadOnly | faDirectory)))
        Raise("Cannot create", WindowsPath, EACCES);
    File = std::fopen(host->c_str(), "wbe");
    if (!File)
        Raise("Cannot create", WindowsPath, errno);
    Writing = true;
}

void TextFile::Append() {
    if (File)
        Close();
    const auto host = ToHostPath(WindowsPath);
    if (!host)
        Raise("Cannot open", WindowsPath, ENOENT);
    const uint32_t attributes = GetFileAttributes(WindowsPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (faReadOnly | faDirectory)))
        Raise("Cannot open", WindowsPath, EACCES);
    File = std::fopen(host->c_str(), "abe");
    if (!File)
        Raise("Cannot open", WindowsPath, errno);
    Writing = true;
}

bool TextFile::Eof() {
    if (!File || Writing)
        Raise("File not open for reading:", WindowsPath, EBADF);
    const int c = std::fgetc(File);
    if (c == EOF) {
        if (std::ferror(File))
            Raise("Cannot read", WindowsPath, errno ? errno : EIO);
        return true;
    }
    std::ungetc(c, File);
    return false;
}

std::string TextFile::ReadLn() {
    if (!File || Writing)
        Raise("File not open for reading:", WindowsPath, EBADF);
    std::string line;
    int c;
    while ((c = std::fgetc(File)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (c == EOF && std::ferror(File))
        Raise("Cannot read", WindowsPath, errno ? errno : EIO);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void TextFile::Write(const std::string& text) {
    if (!File || !Writing)
        Raise("File not open for writing:", WindowsPath, EBADF);
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), File) != text.size())
        Raise("Cannot write", WindowsPath, errno ? errno : EIO);
}

void TextFile::WriteLn(const std::string& line) {
    Write(line + "\r\n");
}

void TextFile::Close() {
    if (!File)
        return;
    std::FILE* file = File;
    File = nullptr;
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    if (std::fclose(file) != 0 || failed)
        Raise("Cannot close", WindowsPath, failed ? (error ? error : EIO) : errno);
}

} // namespace sys
