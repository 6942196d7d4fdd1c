// INI reading: any bytes are read without failing, and the store written out reads back the same.
#include "platform/sys/ini.h"
#include "platform/sys/ini_lines.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = sys::SplitTextLines(text);
    sys::TMemIniFile ini;
    ini.SetStrings(lines);
    ini.ReadInteger("General", "NrDiscuri", 6);
    ini.ReadString("Talven", "AppPath", "");
    for (const auto& line : lines)
        sys::ParseIniInteger(line);
    const auto written = ini.GetStrings();
    sys::TMemIniFile again;
    again.SetStrings(written);
    if (again.GetStrings() != written)
        std::abort();
    auto edited = sys::WithIniValue(lines, "General", "NrDiscuri", "3");
    sys::TMemIniFile changed;
    changed.SetStrings(edited);
    if (changed.ReadInteger("general", "nrdiscuri", 6) != 3)
        std::abort();
    return 0;
}
