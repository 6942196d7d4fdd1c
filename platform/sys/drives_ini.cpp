#include "platform/sys/drives_ini.h"

#include "platform/sys/ascii.h"
#include "platform/sys/errors.h"

#include <algorithm>

namespace sys {

namespace {

constexpr std::string_view DrivesSection = "Drives";

struct TypeName {
    DriveType Type;
    const char* Name;
};
constexpr TypeName TypeNames[] = {{DriveType::Fixed, "fixed"},
                                  {DriveType::Removable, "removable"},
                                  {DriveType::Remote, "remote"},
                                  {DriveType::CdRom, "cdrom"}};

std::optional<DriveType> ParseDriveType(std::string_view name) {
    for (const auto& entry : TypeNames)
        if (EqualsNoCase(name, entry.Name))
            return entry.Type;
    return std::nullopt;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool IsComment(const std::string& line) {
    return line.empty() || line[0] == ';' || line[0] == '#';
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string> SectionName(const std::string& line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return TrimBlanks(std::string_view(line).substr(1, line.size() - 2));
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\n";
    return out;
}

} // namespace

std::optional<std::string> CanonicalDriveRoot(std::string_view root) {
    if ((root.size() == 1 || (root.size() == 2 && root[1] == ':')) &&
        ToUpperAscii(root[0]) >= 'A' && ToUpperAscii(root[0]) <= 'Z')
        return std::string{ToUpperAscii(root[0]), ':'};
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (root.size() < 5 || !isSeparator(root[0]) || !isSeparator(root[1]))
        return std::nullopt;
    const std::string_view rest = root.substr(2);
    size_t split = std::string_view::npos;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (!isSeparator(rest[i]))
            continue;
        if (split != std::string_view::npos)
            return std::nullopt; // more than server and share
        split = i;
    }
    if (split == std::string_view::npos || split == 0 || split + 1 == rest.size())
        return std::nullopt;
    return "\\\\" + std::string(rest.substr(0, split)) + "\\" + std::string(rest.substr(split + 1));
}

const char* DriveTypeName(DriveType type) {
    for (const auto& entry : TypeNames)
        if (entry.Type == type)
            return entry.Name;
    return "fixed";
}

std::vector<DriveMapping> ParseDrivesIni(std::string_view text, const std::string& fileName,
                                         const std::filesystem::path& prefix) {
    std::vector<DriveMapping> drives;
    bool inDrives = false;
    int lineNumber = 0;
    for (const std::string_view raw : SplitLines(text)) {
        ++lineNumber;
        const std::string line = TrimBlanks(raw);
        if (IsComment(line))
            continue;
        if (const auto section = SectionName(line)) {
            inDrives = EqualsNoCase(*section, DrivesSection);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            throw EParseError(fileName, lineNumber, "expected name=value");
        if (!inDrives)
            continue;
        const std::string key = TrimBlanks(std::string_view(line).substr(0, equals));
        const std::string value = TrimBlanks(std::string_view(line).substr(equals + 1));
        const auto root = CanonicalDriveRoot(key);
        if (!root)
            throw EParseError(fileName, lineNumber,
                              "\"" + key + "\" is neither a drive letter nor \\\\server\\share");
        const size_t comma = value.rfind(',');
        if (comma == std::string::npos)
            throw EParseError(fileName, lineNumber, "expected host-folder,type");
        const std::string host = TrimBlanks(std::string_view(value).substr(0, comma));
        const std::string typeName = TrimBlanks(std::string_view(value).substr(comma + 1));
        const auto type = ParseDriveType(typeName);
        if (host.empty() || host.find('\0') != std::string::npos)
            throw EParseError(fileName, lineNumber, "the host folder is empty");
        if (!type)
            throw EParseError(fileName, lineNumber,
                              "unknown drive type \"" + typeName +
                                  "\" (fixed, removable, remote or cdrom)");
        for (const auto& existing : drives)
            if (EqualsNoCase(existing.Root, *root))
                throw EParseError(fileName, lineNumber, *root + " is mapped twice");
        const std::filesystem::path hostPath(host);
        drives.push_back(
            {*root, (hostPath.is_absolute() ? hostPath : prefix / hostPath).lexically_normal(),
             *type});
    }
    return drives;
}

std::string DefaultDrivesIni() {
    return "; Drives of this Windows prefix: letter (or \\\\server\\share) = host folder, type.\n"
           "; Types: fixed, removable, remote, cdrom. Relative folders are inside the prefix.\n"
           "[Drives]\n"
           "C=drive_c,fixed\n"
           "Z=/,fixed\n";
}

std::string WithDriveLine(std::string_view text, const DriveMapping& mapping) {
    const std::string root = CanonicalDriveRoot(mapping.Root).value_or(mapping.Root);
    const std::string key = root.size() == 2 ? root.substr(0, 1) : root;
    const std::string entry = key + "=" + mapping.Host.string() + "," + DriveTypeName(mapping.Type);
    std::vector<std::string> lines;
    for (const std::string_view raw : SplitLines(text))
        lines.emplace_back(raw);
    bool inDrives = false;
    int drivesSections = 0;
    std::optional<size_t> insertAt; // after the last entry of the first [Drives] section
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = TrimBlanks(lines[i]);
        if (const auto section = SectionName(line)) {
            inDrives = EqualsNoCase(*section, DrivesSection);
            if (inDrives && ++drivesSections == 1)
                insertAt = i + 1;
            continue;
        }
        if (!inDrives || IsComment(line))
            continue;
        const size_t equals = line.find('=');
        const auto existing =
            CanonicalDriveRoot(TrimBlanks(line.substr(0, std::min(equals, line.size()))));
        if (existing && EqualsNoCase(*existing, root)) {
            lines[i] = entry;
            return JoinLines(lines);
        }
        if (drivesSections == 1)
            insertAt = i + 1;
    }
    if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    } else {
        lines.emplace_back("[Drives]");
        lines.push_back(entry);
    }
    return JoinLines(lines);
}

} // namespace sys
