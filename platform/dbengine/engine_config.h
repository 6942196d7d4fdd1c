#pragma once
// The engine's configuration: aliases and driver settings over the configuration document.
//
// An alias is the section [ALIAS:NAME] with its driver in TYPE and its parameters (PATH, ...)
// as values. Every section is also a node of the engine's configuration tree: [ALIAS:NAME] is
// \DATABASES\NAME\DB INFO, any other section is the node of its own name, so
// [DRIVERS\PARADOX\INIT] is \DRIVERS\PARADOX\INIT.
#include "platform/dbengine/config_document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbe {

struct AliasParam {
    std::string Name;
    std::string Value;
};

struct AliasDefinition {
    std::string Name;
    std::string Type; // driver name, PARADOX for the product's aliases
    std::vector<AliasParam> Params;
    std::string Param(std::string_view name) const; // "" when absent
};

// One record of a configuration node: a setting, or a child node (HasSubnodes).
struct ConfigNodeRecord {
    std::string Name;
    std::string Value;
    std::string Description;
    uint16_t DataType = 0;
    bool HasSubnodes = false;
};

class EngineConfig {
public:
    EngineConfig() = default;
    // Parses strictly: besides the document's syntax, every alias has a name and a TYPE.
    static EngineConfig Parse(std::string_view text, const std::string& fileName);
    // The configuration of an engine without a configuration file: the PARADOX driver's
    // default settings.
    static EngineConfig WithDefaults();
    std::string Serialize() const { return Doc.Serialize(); }

    std::optional<AliasDefinition> FindAlias(std::string_view name) const;
    // Adds the alias at the end, or updates TYPE and the given parameters of an existing one in
    // place (its other values stay).
    void PutAlias(const AliasDefinition& alias);

    // The records of the node at a path like "\DRIVERS\PARADOX\INIT" (repeated backslashes
    // count as one): its settings, then its child nodes; nullopt when there is no such node.
    std::optional<std::vector<ConfigNodeRecord>> Node(std::string_view path) const;
    // Changes an existing setting of a node; false when the node or the setting is missing.
    bool SetSetting(std::string_view path, std::string_view name, std::string_view value);

private:
    const ConfigSection* SectionOfNode(std::string_view path) const;
    ConfigDocument Doc;
};

// A change made through the engine's calls, kept so that it can be laid again over the newest
// file when the configuration is saved.
struct ConfigChange {
    enum class Kind { Alias, Setting };
    Kind What = Kind::Alias;
    AliasDefinition Alias; // Kind::Alias
    std::string Path;      // Kind::Setting
    std::string Name;
    std::string Value;
    // False when the setting no longer exists in the configuration it is applied to.
    bool ApplyTo(EngineConfig& config) const;
};

// "\\DRIVERS\\PARADOX\\INIT" and "\DRIVERS\PARADOX\INIT\" both give "DRIVERS\PARADOX\INIT".
std::string NormalizeNodePath(std::string_view path);

} // namespace dbe
