// .reg parsing: any bytes either parse or raise EParseError; what parses applies to a hive that
// survives system.reg and a version-5 export unchanged.
#include "platform/sys/errors.h"
#include "platform/sys/hive_text.h"
#include "platform/sys/reg_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sys::RegistryHive hive;
    try {
        sys::ApplyRegFile(sys::ParseRegFile(bytes, "fuzz.reg"), hive);
    } catch (const sys::EParseError&) {
        return 0;
    }
    const std::string stored = sys::FormatHive(hive);
    if (sys::FormatHive(sys::ParseHive(stored, "system.reg")) != stored)
        std::abort(); // system.reg lost or changed something
    sys::RegistryHive reimported;
    sys::ApplyRegFile(sys::ParseRegFile(sys::FormatRegFile(hive, ""), "export.reg"), reimported);
    if (sys::FormatHive(reimported) != stored)
        std::abort(); // the export does not import to the same hive
    return 0;
}
