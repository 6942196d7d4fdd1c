#pragma once
// A fresh prefix per test, and the host current folder restored afterwards (tests change it).
#include "common/temp_prefix.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kxtest {

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
