#pragma once
// The sample product and its media, built once per test run into a scratch folder, and the
// small helpers the sample's tests share: running the kit's commands and reading trees.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kxsample {

namespace fs = std::filesystem;

// The repository ($KX_SOURCE_DIR, else found from this file) and the built programs
// ($KX_BIN_DIR, else build/bin beside the test program's folder).
fs::path SourceDir();
fs::path BinDir();

struct CommandResult {
    int Status = -1;    // the exit status, -1 when the command did not end normally
    std::string Output; // standard output and standard error together
};
// Runs a program with arguments, with extra environment variables; never throws.
CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& environment = {});

std::string ReadFile(const fs::path& path);
// Every regular file below root, by its "/"-separated path relative to root.
std::map<std::string, fs::path> FilesBelow(const fs::path& root);

class SampleKit {
public:
    static SampleKit& Instance();

    // The generated component folders of a version (1 or 2): EXE, VORNEXA, DBDAT, ...
    const fs::path& Tree(int version);
    // The version text the generator reports for a version ("3200877.01" for 1).
    const std::string& VersionNumber(int version);
    // The medium of a version as build-media.sh builds it by default from the built programs.
    const fs::path& Medium(int version);
    // A new empty folder under the kit's scratch folder.
    fs::path NewFolder(const std::string& name);

    ~SampleKit();

private:
    SampleKit();
    fs::path Root;
    std::map<int, fs::path> Trees, Media;
    std::map<int, std::string> Versions;
    int Folders = 0;
};

// The disk folders of a medium in disk order (DISK1, DISK2, ...; DISK10 after DISK9).
std::vector<fs::path> DiskFolders(const fs::path& medium);

// Base of the sample's tests: skipped when a program they run has not been built.
class SampleTest : public ::testing::Test {
protected:
    // Call from SetUp; the test is skipped when one of the programs is missing.
    void RequirePrograms(const std::vector<std::string>& names);
    SampleKit& Kit() { return SampleKit::Instance(); }
};

} // namespace kxsample
