#pragma once
// Errors the platform raises where the original run-time library raised its own exceptions.
#include <stdexcept>
#include <string>

namespace sys {

// An input/output failure of a file operation (EInOutError): carries the failing path.
class EInOutError : public std::runtime_error {
public:
    EInOutError(const std::string& message, std::string path, int code = 0)
        : std::runtime_error(message), Path(std::move(path)), ErrorCode(code) {}
    std::string Path;
    int ErrorCode;
};

// A stored file of the platform (drives.ini, system.reg, a .reg file, an INI file) that cannot be
// parsed: names the file and the 1-based line.
class EParseError : public std::runtime_error {
public:
    EParseError(const std::string& file, int line, const std::string& what)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + what), File(file),
          Line(line) {}
    std::string File;
    int Line;
};

} // namespace sys
