#include "kit/sample/sample_kit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace kxsample {

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

fs::path FromEnvironment(const char* name, const fs::path& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fallback;
}

// DISK<n> -> n, 0 for any other name.
int DiskNumber(const fs::path& folder) {
    const std::string name = folder.filename().string();
    if (name.size() <= 4 || name.compare(0, 4, "DISK") != 0)
        return 0;
    if (name.find_first_not_of("0123456789", 4) != std::string::npos)
        return 0;
    return std::stoi(name.substr(4));
}

} // namespace

fs::path SourceDir() {
    return FromEnvironment(
        "KX_SOURCE_DIR",
        fs::path(__FILE__).parent_path().parent_path().parent_path().parent_path());
}

fs::path BinDir() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return FromEnvironment("KX_BIN_DIR", self.parent_path().parent_path() / "bin");
}

CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& environment) {
    std::string command = "env";
    for (const auto& [name, value] : environment)
        command += " " + name + "=" + Quote(value);
    for (const std::string& arg : argv)
        command += " " + Quote(arg);
    command += " 2>&1";
    CommandResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.Output.append(buffer, got);
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.Status = WEXITSTATUS(status);
    return result;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, fs::path> FilesBelow(const fs::path& root) {
    std::map<std::string, fs::path> files;
    for (const auto& item : fs::recursive_directory_iterator(root))
        if (item.is_regular_file())
            files[fs::relative(item.path(), root).generic_string()] = item.path();
    return files;
}

SampleKit& SampleKit::Instance() {
    static SampleKit kit;
    return kit;
}

SampleKit::SampleKit() {
    char pattern[] = "/tmp/kx-sample-test-XXXXXX";
    if (!::mkdtemp(pattern))
        throw std::runtime_error("cannot make a scratch folder");
    Root = pattern;
}

SampleKit::~SampleKit() {
    std::error_code ignored;
    fs::remove_all(Root, ignored);
}

fs::path SampleKit::NewFolder(const std::string& name) {
    const fs::path folder = Root / (std::to_string(++Folders) + "-" + name);
    fs::create_directories(folder);
    return folder;
}

const fs::path& SampleKit::Tree(int version) {
    if (!Trees.count(version)) {
        const fs::path tree = Root / ("tree" + std::to_string(version));
        const CommandResult made =
            RunCommand({"python3", (SourceDir() / "kit/sample/make_sample.py").string(),
                        "--version", std::to_string(version), tree.string()});
        if (made.Status != 0)
            throw std::runtime_error("make_sample.py failed: " + made.Output);
        Versions[version] = made.Output.substr(0, made.Output.find('\n'));
        Trees[version] = tree;
    }
    return Trees[version];
}

const std::string& SampleKit::VersionNumber(int version) {
    Tree(version);
    return Versions[version];
}

const fs::path& SampleKit::Medium(int version) {
    if (!Media.count(version)) {
        const fs::path medium = Root / ("medium" + std::to_string(version));
        const CommandResult built =
            RunCommand({(SourceDir() / "kit/sample/build-media.sh").string(), medium.string(),
                        "--version", std::to_string(version), "--bin", BinDir().string()});
        if (built.Status != 0)
            throw std::runtime_error("build-media.sh failed: " + built.Output);
        Media[version] = medium;
    }
    return Media[version];
}

std::vector<fs::path> DiskFolders(const fs::path& medium) {
    std::vector<fs::path> disks;
    for (const auto& item : fs::directory_iterator(medium))
        if (item.is_directory() && DiskNumber(item.path()) > 0)
            disks.push_back(item.path());
    std::sort(disks.begin(), disks.end(),
              [](const fs::path& a, const fs::path& b) { return DiskNumber(a) < DiskNumber(b); });
    return disks;
}

void SampleTest::RequirePrograms(const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (::access((BinDir() / name).c_str(), X_OK) != 0)
            GTEST_SKIP() << (BinDir() / name).string() << " has not been built";
}

} // namespace kxsample
