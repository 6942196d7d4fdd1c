#include "platform/zip/zip_error.h"

#include <cstring>

namespace zip::detail {

void ThrowSystemError(const std::string& what, int err) {
    throw ZipError(what + ": " + std::strerror(err));
}

} // namespace zip::detail
