#pragma once
// The settings the engine knows by name: their defaults for a fresh configuration, their
// descriptions and data types for the configuration records.
#include <cstdint>
#include <string_view>
#include <vector>

namespace dbe {

struct KnownSetting {
    std::string_view Node; // normalized node path
    std::string_view Name;
    std::string_view Default;
    std::string_view Description;
    uint16_t DataType;
};

// In the order a fresh configuration lists them.
const std::vector<KnownSetting>& KnownSettings();
const KnownSetting* FindKnownSetting(std::string_view node, std::string_view name);

} // namespace dbe
