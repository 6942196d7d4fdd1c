#include "platform/zip/zip_exception.h"

namespace zip {
namespace {

// Control characters of a name are shown escaped, so that the message stays on one line.
std::string Printable(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string shown;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string ComposeMessage(const std::string& archive, const std::string& entry,
                           const std::string& what) {
    std::string message = archive + ": ";
    if (!entry.empty())
        message += "entry \"" + entry + "\": ";
    return Printable(message + what);
}

} // namespace

EZipException::EZipException(std::string archive, std::string entry, const std::string& what)
    : std::runtime_error(ComposeMessage(archive, entry, what)), Archive(std::move(archive)),
      Entry(std::move(entry)), Reason(what) {}

} // namespace zip
