#pragma once
// Helpers of the zip reader's tests: a temporary folder, files, shell tools, tree comparison and
// the sample tree that the real archivers pack.
#include <filesystem>
#include <string>

namespace zip_test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_;
};

void WriteFile(const fs::path& path, const std::string& bytes);
std::string ReadFile(const fs::path& path);

bool ToolAvailable(const std::string& name); // a program of that name on PATH
std::string Quote(const std::string& text);  // for a POSIX shell
// Runs a shell command line; true when it exits with status 0.
bool RunShell(const std::string& commandLine);

// Fills root with files that exercise the reader: several buffer-sized chunks of compressible
// and incompressible data, a file exactly one buffer long, empty files and folders, nested
// folders, names with spaces and non-ASCII letters.
void WriteSampleTree(const fs::path& root);

// "" when both trees hold the same paths with the same kinds and file contents; else a short
// description of the first difference.
std::string TreeDifference(const fs::path& expected, const fs::path& actual);
// "" when every regular file of expected has the same modification time in actual.
std::string FileTimeDifference(const fs::path& expected, const fs::path& actual);
// Every path below root, relative, sorted, one per line (folders end with "/").
std::string ListTree(const fs::path& root);

} // namespace zip_test
