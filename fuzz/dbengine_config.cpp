// The engine's configuration file on arbitrary bytes: a text that parses is written back byte
// for byte, and a change keeps it parseable.
#include "platform/dbengine/engine_config.h"
#include "platform/sys/errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        dbe::EngineConfig config = dbe::EngineConfig::Parse(text, "C:\\IDAPI32.CFG");
        if (config.Serialize() != text)
            std::abort();
        config.PutAlias({"TALVEN", "PARADOX", {{"PATH", "C:\\Kesvard\\Date\\DATA"}}});
        config.SetSetting("\\DRIVERS\\PARADOX\\INIT", "NET DIR", "C:\\Kesvard\\");
        dbe::EngineConfig again = dbe::EngineConfig::Parse(config.Serialize(), "C:\\IDAPI32.CFG");
        if (!again.FindAlias("TALVEN"))
            std::abort();
    } catch (const sys::EParseError&) {
    }
    return 0;
}
