#pragma once
// A fresh prefix per test, and the host current folder restored afterwards (tests change it).
#include "common/temp_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace kxtest {

// The built regedit stand-in: in $KX_BIN_DIR (set by CTest), else in the build's bin folder.
inline std::filesystem::path BuiltRegedit() {
    if (const char* bin = std::getenv("KX_BIN_DIR"))
        return std::filesystem::path(bin) / "regedit";
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin" /
           "regedit";
}

class PrefixTest : public ::testing::Test {
protected:
    ~PrefixTest() override {
        std::error_code ignored;
        std::filesystem::current_path(savedCwd, ignored);
    }
    std::filesystem::path savedCwd = std::filesystem::current_path();
    TempPrefix prefix;
};

} // namespace kxtest
