#pragma once
// The engine's configuration file as a document of sections and NAME=value lines. Every line
// keeps its own text and line end, so that what the engine does not change (other products'
// aliases, other drivers, comments) is written back byte for byte and in its order.
//
// Syntax, read strictly (a violation raises sys::EParseError naming the file and line):
//   [SECTION NAME]        a section; names compare without regard to case and appear once
//   NAME=value            inside a section; spaces around name and value are not part of them
//   ; comment  # comment  blank lines
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbe {

struct ConfigLine {
    std::string Text;
    std::string Eol; // "\r\n", "\n", or "" for a last line without one
};

class ConfigSection {
public:
    struct Entry {
        ConfigLine Raw;
        bool IsValue = false; // false: a comment or blank line
        std::string Key;      // as spelled
        std::string Value;
    };

    const std::string& Name() const { return SectionName; }
    int LineNumber() const { return HeaderLine; } // 1-based in the parsed file; 0 when added
    const std::vector<Entry>& Entries() const { return Body; }
    const Entry* Find(std::string_view key) const;

private:
    friend class ConfigDocument;
    std::string SectionName;
    int HeaderLine = 0;
    ConfigLine Header;
    std::vector<Entry> Body;
};

class ConfigDocument {
public:
    // An empty document; lines it adds end with CR LF.
    ConfigDocument() = default;
    static ConfigDocument Parse(std::string_view text, const std::string& fileName);
    std::string Serialize() const;

    const std::vector<ConfigSection>& Sections() const { return SectionList; }
    const ConfigSection* FindSection(std::string_view name) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Changes the value in place (the name keeps its spelling) or adds NAME=value after the
    // section's last value; a missing section is added at the end. The caller makes sure that
    // neither text holds a line break.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

private:
    ConfigSection* FindSectionForChange(std::string_view name);
    ConfigSection& AddSection(std::string_view name);
    ConfigLine* LastLine();

    std::vector<ConfigLine> Preamble; // comments and blank lines before the first section
    std::vector<ConfigSection> SectionList;
    std::string NewEol = "\r\n";
};

} // namespace dbe
