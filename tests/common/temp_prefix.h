#pragma once
// A fresh Windows prefix in a temporary folder for one test; removed afterwards.
#include "platform/sys/prefix.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kxtest {

class TempPrefix {
public:
    TempPrefix() {
        char pattern[] = "/tmp/kx-prefix-XXXXXX";
        Root = mkdtemp(pattern);
        previous = std::getenv("KESTRIX_PREFIX") ? std::getenv("KESTRIX_PREFIX") : "";
        setenv("KESTRIX_PREFIX", Root.c_str(), 1);
        sys::ResetPrefixCache();
        sys::EnsurePrefix();
    }
    ~TempPrefix() {
        if (previous.empty())
            unsetenv("KESTRIX_PREFIX");
        else
            setenv("KESTRIX_PREFIX", previous.c_str(), 1);
        sys::ResetPrefixCache();
        std::error_code ignored;
        std::filesystem::remove_all(Root, ignored);
    }
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;

    // Host path of a path below drive C:, written with "/".
    std::filesystem::path C(const std::string& relative) const {
        return Root / "drive_c" / relative;
    }

    // Writes a host file (creating its folders) and returns its path.
    static std::filesystem::path Write(const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path Root;

private:
    std::string previous;
};

} // namespace kxtest
