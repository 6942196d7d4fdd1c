#include "platform/dbengine/engine_config.h"

#include "platform/dbengine/driver_defaults.h"
#include "platform/dbengine/idapi.h"
#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"

namespace dbe {

namespace {

constexpr std::string_view AliasPrefix = "ALIAS:";
constexpr std::string_view DatabasesNode = "DATABASES";
constexpr std::string_view AliasInfoNode = "DB INFO";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && sys::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The alias name of an [ALIAS:NAME] section, nullopt for any other section.
std::optional<std::string> AliasNameOf(const ConfigSection& section) {
    if (!StartsWithNoCase(section.Name(), AliasPrefix))
        return std::nullopt;
    return sys::TrimBlanks(std::string_view(section.Name()).substr(AliasPrefix.size()));
}

std::string NodePathOf(const ConfigSection& section) {
    if (std::optional<std::string> alias = AliasNameOf(section))
        return std::string(DatabasesNode) + "\\" + *alias + "\\" + std::string(AliasInfoNode);
    return NormalizeNodePath(section.Name());
}

std::string AliasSectionName(std::string_view alias) {
    return std::string(AliasPrefix) + std::string(alias);
}

} // namespace

std::string NormalizeNodePath(std::string_view path) {
    std::string normalized;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        std::string part = sys::TrimBlanks(path.substr(start, end - start));
        if (!part.empty()) {
            if (!normalized.empty())
                normalized += '\\';
            normalized += part;
        }
        start = end + 1;
    }
    return normalized;
}

std::string AliasDefinition::Param(std::string_view name) const {
    for (const AliasParam& param : Params)
        if (sys::EqualsNoCase(param.Name, name))
            return param.Value;
    return "";
}

EngineConfig EngineConfig::Parse(std::string_view text, const std::string& fileName) {
    EngineConfig config;
    config.Doc = ConfigDocument::Parse(text, fileName);
    for (const ConfigSection& section : config.Doc.Sections()) {
        std::optional<std::string> alias = AliasNameOf(section);
        if (!alias)
            continue;
        if (alias->empty())
            throw sys::EParseError(fileName, section.LineNumber(), "alias without a name");
        const ConfigSection::Entry* type = section.Find("TYPE");
        if (!type || type->Value.empty())
            throw sys::EParseError(fileName, section.LineNumber(),
                                   "alias " + *alias + " has no TYPE");
    }
    return config;
}

EngineConfig EngineConfig::WithDefaults() {
    EngineConfig config;
    for (const KnownSetting& setting : KnownSettings())
        config.Doc.SetValue(setting.Node, setting.Name, setting.Default);
    return config;
}

std::optional<AliasDefinition> EngineConfig::FindAlias(std::string_view name) const {
    for (const ConfigSection& section : Doc.Sections()) {
        std::optional<std::string> alias = AliasNameOf(section);
        if (!alias || !sys::EqualsNoCase(*alias, name))
            continue;
        AliasDefinition found{*alias, {}, {}};
        for (const ConfigSection::Entry& entry : section.Entries()) {
            if (!entry.IsValue)
                continue;
            if (sys::EqualsNoCase(entry.Key, "TYPE"))
                found.Type = entry.Value;
            else
                found.Params.push_back({entry.Key, entry.Value});
        }
        return found;
    }
    return std::nullopt;
}

void EngineConfig::PutAlias(const AliasDefinition& alias) {
    std::string section = AliasSectionName(alias.Name);
    for (const ConfigSection& existing : Doc.Sections()) {
        std::optional<std::string> name = AliasNameOf(existing);
        if (name && sys::EqualsNoCase(*name, alias.Name)) {
            section = existing.Name(); // keep the spelling the file has
            break;
        }
    }
    Doc.SetValue(section, "TYPE", alias.Type);
    for (const AliasParam& param : alias.Params)
        Doc.SetValue(section, param.Name, param.Value);
}

const ConfigSection* EngineConfig::SectionOfNode(std::string_view path) const {
    const std::string wanted = NormalizeNodePath(path);
    for (const ConfigSection& section : Doc.Sections())
        if (sys::EqualsNoCase(NodePathOf(section), wanted))
            return &section;
    return nullptr;
}

std::optional<std::vector<ConfigNodeRecord>> EngineConfig::Node(std::string_view path) const {
    const std::string wanted = NormalizeNodePath(path);
    std::vector<ConfigNodeRecord> records;
    bool exists = wanted.empty();
    if (const ConfigSection* leaf = SectionOfNode(wanted)) {
        exists = true;
        for (const ConfigSection::Entry& entry : leaf->Entries()) {
            if (!entry.IsValue)
                continue;
            ConfigNodeRecord record{entry.Key, entry.Value, {}, fldZSTRING, false};
            if (const KnownSetting* known = FindKnownSetting(wanted, entry.Key)) {
                record.Description = std::string(known->Description);
                record.DataType = known->DataType;
            }
            records.push_back(std::move(record));
        }
    }
    const std::string prefix = wanted.empty() ? "" : wanted + "\\";
    for (const ConfigSection& section : Doc.Sections()) {
        const std::string node = NodePathOf(section);
        if (!StartsWithNoCase(node, prefix) || node.size() == prefix.size())
            continue;
        exists = true;
        std::string child = node.substr(prefix.size());
        child = child.substr(0, child.find('\\'));
        bool known = false;
        for (const ConfigNodeRecord& record : records)
            known = known || (record.HasSubnodes && sys::EqualsNoCase(record.Name, child));
        if (!known)
            records.push_back({child, "", "", fldUNKNOWN, true});
    }
    if (!exists)
        return std::nullopt;
    return records;
}

bool EngineConfig::SetSetting(std::string_view path, std::string_view name,
                              std::string_view value) {
    const ConfigSection* section = SectionOfNode(path);
    if (!section || !section->Find(name))
        return false;
    Doc.SetValue(section->Name(), name, value);
    return true;
}

bool ConfigChange::ApplyTo(EngineConfig& config) const {
    if (What == Kind::Alias) {
        config.PutAlias(Alias);
        return true;
    }
    return config.SetSetting(Path, Name, Value);
}

} // namespace dbe
