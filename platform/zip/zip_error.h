#pragma once
// Faults found inside the reader's own steps. TZipFile turns them into EZipException with the
// archive and entry names; anything else (an exception from a progress handler) passes through.
#include <stdexcept>
#include <string>

namespace zip::detail {

class ZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises ZipError with what, followed by the text of the system error err.
[[noreturn]] void ThrowSystemError(const std::string& what, int err);

} // namespace zip::detail
