#include "platform/sys/ascii.h"
#include "platform/sys/ini.h"
#include "platform/sys/ini_lines.h"

namespace sys {

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

const std::pair<std::string, std::string>* FindEntry(const Entries& entries,
                                                     const std::string& key) {
    for (const auto& entry : entries)
        if (EqualsNoCase(entry.first, key))
            return &entry;
    return nullptr;
}

} // namespace

void TMemIniFile::SetStrings(const std::vector<std::string>& lines) {
    Sections.clear();
    Section* current = nullptr;
    for (const auto& text : lines) {
        const IniLine line = ClassifyIniLine(text);
        if (line.Type == IniLine::Kind::Section) {
            Sections.push_back({line.Name, {}});
            current = &Sections.back();
        } else if (line.Type == IniLine::Kind::Entry && current && !line.Name.empty()) {
            current->Entries.emplace_back(line.Name, line.Value);
        }
    }
}

const TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name) const {
    // Of two sections with the same name the first is read, as the Windows calls do.
    for (const auto& section : Sections)
        if (EqualsNoCase(section.Name, TrimBlanks(name)))
            return &section;
    return nullptr;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
    const Section* found = FindSection(section);
    const auto* entry = found ? FindEntry(found->Entries, TrimBlanks(key)) : nullptr;
    return entry ? entry->second : def;
}

int TMemIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    return ParseIniInteger(ReadString(section, key, "")).value_or(def);
}

bool TMemIniFile::SectionExists(const std::string& section) const {
    return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string& section, const std::string& key) const {
    const Section* found = FindSection(section);
    return found && FindEntry(found->Entries, TrimBlanks(key));
}

std::vector<std::string> TMemIniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section))
        for (const auto& entry : found->Entries)
            keys.push_back(entry.first);
    return keys;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
    const std::string name = TrimBlanks(key);
    auto* found = const_cast<Section*>(FindSection(section));
    if (!found) {
        Sections.push_back({TrimBlanks(section), {}});
        found = &Sections.back();
    }
    for (auto& entry : found->Entries)
        if (EqualsNoCase(entry.first, name)) {
            entry.second = value;
            return;
        }
    found->Entries.emplace_back(name, value);
}

std::vector<std::string> TMemIniFile::GetStrings() const {
    std::vector<std::string> lines;
    for (const auto& section : Sections) {
        if (!lines.empty())
            lines.emplace_back();
        lines.push_back("[" + section.Name + "]");
        for (const auto& [key, value] : section.Entries)
            lines.push_back(key + "=" + value);
    }
    return lines;
}

} // namespace sys
