// system.reg parsing: any text either parses or raises EParseError, and what parses is written
// back to a text that parses to the same hive.
#include "platform/sys/errors.h"
#include "platform/sys/hive_text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const std::string stored = sys::FormatHive(sys::ParseHive(text, "system.reg"));
        if (sys::FormatHive(sys::ParseHive(stored, "system.reg")) != stored)
            std::abort();
    } catch (const sys::EParseError&) {
    }
    return 0;
}
