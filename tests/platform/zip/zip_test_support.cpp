#include "zip_test_support.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zip_test {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kx-zip-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only folders made by a test must not keep their contents alive.
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory() && !it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool ToolAvailable(const std::string& name) {
    return RunShell("command -v " + Quote(name) + " >/dev/null 2>&1");
}

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

bool RunShell(const std::string& commandLine) {
    int status = std::system(commandLine.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void WriteSampleTree(const fs::path& root) {
    std::mt19937 random(20240611);
    auto noise = [&](size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        return bytes;
    };
    auto text = [&](size_t lines) {
        std::string bytes;
        for (size_t i = 0; i < lines; ++i)
            bytes += "line " + std::to_string(i) + " of the sample ledger, value " +
                     std::to_string(random() % 100000) + "\n";
        return bytes;
    };
    WriteFile(root / "TALVEN.EXE", noise(700 * 1024 + 13));
    WriteFile(root / "readme.txt", text(30000));
    WriteFile(root / "one buffer.bin", noise(256 * 1024));
    WriteFile(root / "zeros.dat", std::string(3 * 1024 * 1024 + 1, '\0'));
    WriteFile(root / "empty.txt", "");
    WriteFile(root / "VerInfo/5.2/Instruct.htm", "<html><title>Instructiuni</title></html>\n");
    WriteFile(root / "NEW/DATA/\xc8\x99tiin\xc8\x9b\xc4\x83 \xc3\xbc.db", text(50));
    WriteFile(root / "NEW/FIRMA/deep/er/still/small.cfg", "[General]\nNrDiscuri=3\n");
    fs::create_directories(root / "NEW/LUNA");
    fs::create_directories(root / "empty folder");
}

namespace {

// relative path -> "d" for a folder, "l" for a link, "f" + contents for a file.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> items;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        std::string rel = it->path().lexically_relative(root).string();
        auto status = it->symlink_status();
        if (fs::is_symlink(status))
            items[rel] = "l";
        else if (fs::is_directory(status))
            items[rel] = "d";
        else
            items[rel] = "f" + ReadFile(it->path());
    }
    return items;
}

} // namespace

std::string TreeDifference(const fs::path& expected, const fs::path& actual) {
    auto want = Snapshot(expected);
    auto got = Snapshot(actual);
    for (const auto& [path, item] : want) {
        auto found = got.find(path);
        if (found == got.end())
            return "missing: " + path;
        if (found->second.substr(0, 1) != item.substr(0, 1))
            return "different kind: " + path;
        if (found->second != item)
            return "different contents: " + path + " (" + std::to_string(item.size() - 1) +
                   " bytes expected, " + std::to_string(found->second.size() - 1) + " found)";
    }
    for (const auto& [path, item] : got) {
        if (!want.count(path))
            return "unexpected: " + path;
    }
    return "";
}

std::string FileTimeDifference(const fs::path& expected, const fs::path& actual) {
    for (auto it = fs::recursive_directory_iterator(expected);
         it != fs::recursive_directory_iterator(); ++it) {
        if (!it->is_regular_file())
            continue;
        fs::path other = actual / it->path().lexically_relative(expected);
        struct stat a {
        }, b{};
        if (::stat(it->path().c_str(), &a) != 0 || ::stat(other.c_str(), &b) != 0)
            return "cannot compare the time of " + other.string();
        if (a.st_mtim.tv_sec != b.st_mtim.tv_sec)
            return "different time: " + other.string() + " (" + std::to_string(a.st_mtim.tv_sec) +
                   " expected, " + std::to_string(b.st_mtim.tv_sec) + " found)";
    }
    return "";
}

std::string ListTree(const fs::path& root) {
    std::map<std::string, bool> items;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it)
        items[it->path().lexically_relative(root).string()] =
            fs::is_directory(it->symlink_status());
    std::string list;
    for (const auto& [path, isFolder] : items)
        list += path + (isFolder ? "/" : "") + "\n";
    return list;
}

} // namespace zip_test
