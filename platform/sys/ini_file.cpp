// TIniFile and the GetPrivateProfile calls: the file is read afresh on every call and written
// back whole, atomically, keeping its comments and the order of its lines.
#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/host_file.h"
#include "platform/sys/ini.h"
#include "platform/sys/ini_lines.h"
#include "platform/sys/prefix.h"
#include "platform/sys/win_path.h"

#include <sys/stat.h>

namespace sys {

namespace {

// A bare file name lies in the Windows folder, as for the Windows calls.
std::string ProfilePath(const std::string& file) {
    for (const char c : file)
        if (IsPathSeparator(c) || c == ':')
            return file;
    return GetWindowsDirectory() + "\\" + file;
}

// The file's lines; a missing or unreadable file reads as empty.
std::vector<std::string> ReadLines(const std::string& windowsPath) {
    const auto host = ToHostPath(windowsPath);
    struct stat info {};
    if (!host || ::stat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return {};
    try {
        return SplitTextLines(ReadWholeFile(*host));
    } catch (const EInOutError&) {
        return {};
    }
}

TMemIniFile Load(const std::string& windowsPath) {
    TMemIniFile ini;
    ini.SetStrings(ReadLines(windowsPath));
    return ini;
}

// A value in matching quotes is read without them.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

TIniFile::TIniFile(std::string windowsPath) : Path(std::move(windowsPath)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    const TMemIniFile ini = Load(Path);
    return ini.ValueExists(section, key) ? Unquoted(ini.ReadString(section, key, def)) : def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    return ParseIniInteger(ReadString(section, key, "")).value_or(def);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    const auto host = ToHostPath(Path);
    if (!host)
        throw EInOutError("Cannot save " + Path, Path, 3);
    if (GetFileAttributes(Path) != INVALID_FILE_ATTRIBUTES &&
        (GetFileAttributes(Path) & (faReadOnly | faDirectory)))
        throw EInOutError("Cannot save " + Path + ": access denied", Path, 5);
    try {
        // An existing file that cannot be read is never replaced by one holding less.
        struct stat info {};
        const std::vector<std::string> lines = ::stat(host->c_str(), &info) == 0
                                                   ? SplitTextLines(ReadWholeFile(*host))
                                                   : std::vector<std::string>();
        std::string text;
        for (const auto& line : WithIniValue(lines, section, key, value))
            text += line + "\r\n";
        WriteFileAtomically(*host, text);
    } catch (const EInOutError& error) {
        throw EInOutError(error.what(), Path, error.ErrorCode);
    }
}

unsigned GetPrivateProfileInt(const std::string& section, const std::string& key, int def,
                              const std::string& windowsFile) {
    return static_cast<unsigned>(TIniFile(ProfilePath(windowsFile)).ReadInteger(section, key, def));
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, unsigned size,
                                    const std::string& windowsFile) {
    const std::string value = TIniFile(ProfilePath(windowsFile)).ReadString(section, key, def);
    return value.substr(0, size == 0 ? 0 : size - 1);
}

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& def, unsigned size) {
    return GetPrivateProfileString(section, key, def, size, "win.ini");
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value) {
    try {
        TIniFile(ProfilePath("win.ini")).WriteString(section, key, value);
        return true;
    } catch (const EInOutError&) {
        return false;
    }
}

} // namespace sys
