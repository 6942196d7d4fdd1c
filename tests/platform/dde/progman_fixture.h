#pragma once
// A fresh prefix with a Program Manager server, and the means to read, validate and start the
// desktop entries it writes.
#include "common/temp_prefix.h"
#include "platform/dde/progman_server.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kxtest {

class ProgmanTest : public ::testing::Test {
protected:
    std::filesystem::path Menus() const { return Prefix.Root / "menus"; }
    std::filesystem::path Desktop(const std::string& id) const {
        return Menus() / "applications" / id;
    }
    std::filesystem::path Directory(const std::string& id) const {
        return Menus() / "desktop-directories" / id;
    }
    std::filesystem::path Menu(const std::string& id) const {
        return Menus() / "applications-merged" / id;
    }

    // The keys of a desktop entry file with the string escapes undone.
    static std::map<std::string, std::string> ReadEntry(const std::filesystem::path& file);
    // Splits an Exec value by the freedesktop Desktop Entry quoting rules.
    static std::vector<std::string> ExecArguments(const std::string& exec);
    // Runs the entry's Exec in its Path as a launcher would and returns the exit status.
    static int Launch(const std::filesystem::path& file);
    // Debian's desktop-file-validate; tests that need it are skipped where it is missing.
    static bool HasValidator();
    // Its complaints, errors and hints alike ("" when it accepts the file).
    static std::string Validate(const std::filesystem::path& file);

    // A program the items can run: a shell script that records its folder, its arguments and
    // the prefix it was given.
    std::filesystem::path WriteRecordingProgram(const std::string& relativeToC) const;

    TempPrefix Prefix;
    dde::ProgmanServer Server{Prefix.Root};
};

} // namespace kxtest
