#pragma once
// INI files with the GetPrivateProfile semantics: sections and keys without regard to case,
// spaces around names and values trimmed, the default when an integer value is not a number.
#include <map>
#include <string>
#include <vector>

namespace sys {

// An in-memory INI store filled from lines (TMemIniFile). Integers: decimal, or hexadecimal
// written "$1F" or "0x1F".
class TMemIniFile {
public:
    TMemIniFile() = default;
    void SetStrings(const std::vector<std::string>& lines);
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> ReadSection(const std::string& section) const; // key names
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    std::vector<std::string> GetStrings() const;

private:
    struct Section {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Entries; // spelling kept, order kept
    };
    std::vector<Section> Sections;
    const Section* FindSection(const std::string& name) const;
};

// A file-backed INI reader/writer on a Windows path (TIniFile). A missing file reads as empty.
class TIniFile {
public:
    explicit TIniFile(std::string windowsPath);
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value); // raises EInOutError when the file cannot be saved
    const std::string& FileName() const { return Path; }

private:
    std::string Path;
};

unsigned GetPrivateProfileInt(const std::string& section, const std::string& key, int def,
                              const std::string& windowsFile);
// Copies at most size - 1 characters of the value, as the Windows call does; returns the count.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, unsigned size,
                                    const std::string& windowsFile);
// The legacy profile: win.ini in the prefix's Windows folder.
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& def, unsigned size);
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value);

} // namespace sys
