#pragma once
// Text files on Windows paths: lines end with CR LF when written; LF or CR LF accepted when read.
// Every failure raises EInOutError carrying the failing path.
#include <cstdio>
#include <string>

namespace sys {

class TextFile {
public:
    explicit TextFile(std::string windowsPath);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    void Reset();   // open for reading
    void Rewrite(); // create or empty, open for writing
    void Append();  // open for writing at the end (created when missing)
    bool Eof();
    std::string ReadLn();
    void Write(const std::string& text);
    void WriteLn(const std::string& line);
    void Close(); // flushes; a failure raises EInOutError
    bool IsOpen() const { return File != nullptr; }
    const std::string& Path() const { return WindowsPath; }

private:
    std::string WindowsPath;
    std::FILE* File = nullptr;
    bool Writing = false;
};

} // namespace sys
