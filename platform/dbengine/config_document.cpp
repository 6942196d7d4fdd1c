#include "platform/dbengine/config_document.h"

#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"

namespace dbe {

namespace {

// Splits the text into lines with their own line ends; a CR is part of the line end only
// right before LF.
std::vector<ConfigLine> SplitLines(std::string_view text) {
    std::vector<ConfigLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(text.substr(start)), ""});
            break;
        }
        size_t end = lf;
        std::string eol = "\n";
        if (end > start && text[end - 1] == '\r') {
            --end;
            eol = "\r\n";
        }
        lines.push_back({std::string(text.substr(start, end - start)), eol});
        start = lf + 1;
    }
    return lines;
}

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return true;
    return false;
}

} // namespace

const ConfigSection::Entry* ConfigSection::Find(std::string_view key) const {
    for (const Entry& entry : Body)
        if (entry.IsValue && sys::EqualsNoCase(entry.Key, key))
            return &entry;
    return nullptr;
}

ConfigDocument ConfigDocument::Parse(std::string_view text, const std::string& fileName) {
    ConfigDocument doc;
    std::vector<ConfigLine> lines = SplitLines(text);
    bool eolKnown = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        ConfigLine& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (!eolKnown && !line.Eol.empty()) {
            doc.NewEol = line.Eol;
            eolKnown = true;
        }
        if (HasControlCharacter(line.Text))
            throw sys::EParseError(fileName, number, "control character in the line");
        const std::string trimmed = sys::TrimBlanks(line.Text);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') {
            ConfigSection::Entry other{line, false, {}, {}};
            if (doc.SectionList.empty())
                doc.Preamble.push_back(line);
            else
                doc.SectionList.back().Body.push_back(std::move(other));
            continue;
        }
        if (trimmed[0] == '[') {
            if (trimmed.back() != ']')
                throw sys::EParseError(fileName, number, "section header without its closing ]");
            std::string name =
                sys::TrimBlanks(std::string_view(trimmed).substr(1, trimmed.size() - 2));
            if (name.empty())
                throw sys::EParseError(fileName, number, "section without a name");
            if (name.find_first_of("[]") != std::string::npos)
                throw sys::EParseError(fileName, number, "bracket inside a section name");
            if (doc.FindSection(name))
                throw sys::EParseError(fileName, number, "section [" + name + "] appears twice");
            ConfigSection section;
            section.SectionName = std::move(name);
            section.HeaderLine = number;
            section.Header = line;
            doc.SectionList.push_back(std::move(section));
            continue;
        }
        const size_t equals = trimmed.find('=');
        if (equals == std::string::npos)
            throw sys::EParseError(fileName, number,
                                   "expected [SECTION], NAME=value or a ; comment");
        if (doc.SectionList.empty())
            throw sys::EParseError(fileName, number, "a value before the first section");
        std::string key = sys::TrimBlanks(std::string_view(trimmed).substr(0, equals));
        if (key.empty())
            throw sys::EParseError(fileName, number, "a value without a name");
        ConfigSection& section = doc.SectionList.back();
        if (section.Find(key))
            throw sys::EParseError(fileName, number,
                                   key + " appears twice in [" + section.SectionName + "]");
        std::string value = sys::TrimBlanks(std::string_view(trimmed).substr(equals + 1));
        section.Body.push_back({line, true, std::move(key), std::move(value)});
    }
    return doc;
}

std::string ConfigDocument::Serialize() const {
    std::string out;
    for (const ConfigLine& line : Preamble)
        out += line.Text + line.Eol;
    for (const ConfigSection& section : SectionList) {
        out += section.Header.Text + section.Header.Eol;
        for (const ConfigSection::Entry& entry : section.Body)
            out += entry.Raw.Text + entry.Raw.Eol;
    }
    return out;
}

const ConfigSection* ConfigDocument::FindSection(std::string_view name) const {
    for (const ConfigSection& section : SectionList)
        if (sys::EqualsNoCase(section.SectionName, name))
            return &section;
    return nullptr;
}

ConfigSection* ConfigDocument::FindSectionForChange(std::string_view name) {
    return const_cast<ConfigSection*>(FindSection(name));
}

std::optional<std::string> ConfigDocument::Value(std::string_view section,
                                                 std::string_view key) const {
    const ConfigSection* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const ConfigSection::Entry* entry = found->Find(key);
    if (!entry)
        return std::nullopt;
    return entry->Value;
}

ConfigLine* ConfigDocument::LastLine() {
    if (!SectionList.empty()) {
        ConfigSection& last = SectionList.back();
        return last.Body.empty() ? &last.Header : &last.Body.back().Raw;
    }
    return Preamble.empty() ? nullptr : &Preamble.back();
}

ConfigSection& ConfigDocument::AddSection(std::string_view name) {
    if (ConfigLine* last = LastLine()) {
        if (last->Eol.empty())
            last->Eol = NewEol;
        if (!sys::TrimBlanks(last->Text).empty()) {
            ConfigLine blank{"", NewEol};
            if (SectionList.empty())
                Preamble.push_back(blank);
            else
                SectionList.back().Body.push_back({blank, false, {}, {}});
        }
    }
    ConfigSection section;
    section.SectionName = std::string(name);
    section.Header = {"[" + section.SectionName + "]", NewEol};
    SectionList.push_back(std::move(section));
    return SectionList.back();
}

void ConfigDocument::SetValue(std::string_view sectionName, std::string_view key,
                              std::string_view value) {
    ConfigSection* section = FindSectionForChange(sectionName);
    if (!section)
        section = &AddSection(sectionName);
    for (ConfigSection::Entry& entry : section->Body) {
        if (entry.IsValue && sys::EqualsNoCase(entry.Key, key)) {
            if (entry.Value == value)
                return;
            entry.Value = std::string(value);
            entry.Raw.Text = entry.Key + "=" + entry.Value;
            return;
        }
    }
    // After the last value, so that comments and blank lines closing the section stay there.
    size_t at = 0;
    for (size_t i = 0; i < section->Body.size(); ++i)
        if (section->Body[i].IsValue)
            at = i + 1;
    ConfigLine& before = at == 0 ? section->Header : section->Body[at - 1].Raw;
    if (before.Eol.empty())
        before.Eol = NewEol;
    ConfigSection::Entry added{{std::string(key) + "=" + std::string(value), NewEol},
                               true,
                               std::string(key),
                               std::string(value)};
    section->Body.insert(section->Body.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
}

} // namespace dbe
