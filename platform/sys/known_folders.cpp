// The folders Windows names for a program: temporary folder, Windows folder, the executable's
// own folder; and fresh GUIDs.
#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/random.h>

namespace sys {

namespace {

std::filesystem::path SelfPath() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw EInOutError("Cannot find the running program: " + error.message(), "/proc/self/exe",
                          2);
    return self;
}

} // namespace

std::string GetWindowsDirectory() {
    return "C:\\Windows";
}

std::string GetTempPath() {
    return GetWindowsDirectory() + "\\Temp\\";
}

std::string NewGuidHex() {
    unsigned char bytes[16];
    size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    if (got < sizeof bytes) {
        std::random_device device;
        for (auto& byte : bytes)
            byte = static_cast<unsigned char>(device());
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4: random
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // the standard variant
    std::string hex;
    char digits[3];
    for (const unsigned char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
    }
    return hex;
}

std::string ExeName() {
    const auto self = SelfPath();
    if (auto windows = ToWindowsPath(self))
        return *windows;
    throw EInOutError("The running program lies outside every drive: " + self.string(),
                      self.string(), 3);
}

std::string ExeFolder() {
    return ExtractFilePath(ExeName());
}

} // namespace sys
