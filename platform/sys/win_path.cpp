#include "platform/sys/win_path.h"

#include "platform/sys/ascii.h"
#include "platform/sys/drives_ini.h"

#include <dirent.h>
#include <sys/stat.h>

namespace sys {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsRefusedCharacter(unsigned char c) {
    return c < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' ||
           c == '*';
}

// Splits the text after a root into names; "." is dropped and ".." removes the name before it
// (or nothing at the root). False when a name holds a character Windows refuses.
bool AppendParts(std::string_view text, std::vector<std::string>& parts) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && !IsPathSeparator(text[end]))
            ++end;
        const std::string_view name = text.substr(start, end - start);
        if (name == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!name.empty() && name != ".") {
            for (const char c : name)
                if (IsRefusedCharacter(static_cast<unsigned char>(c)))
                    return false;
            parts.emplace_back(name);
        }
        start = end + 1;
    }
    return true;
}

// The root of a "\\server\share\..." path and the length it takes, or nullopt.
std::optional<std::pair<std::string, size_t>> UncRoot(std::string_view path) {
    size_t serverEnd = 2;
    while (serverEnd < path.size() && !IsPathSeparator(path[serverEnd]))
        ++serverEnd;
    if (serverEnd == 2 || serverEnd >= path.size())
        return std::nullopt;
    size_t shareEnd = serverEnd + 1;
    while (shareEnd < path.size() && !IsPathSeparator(path[shareEnd]))
        ++shareEnd;
    const auto root = CanonicalDriveRoot(path.substr(0, shareEnd));
    if (!root)
        return std::nullopt;
    for (const char c : *root)
        if (c != '\\' && IsRefusedCharacter(static_cast<unsigned char>(c)))
            return std::nullopt;
    return std::make_pair(*root, shareEnd);
}

} // namespace

std::string WindowsPath::ToString() const {
    std::string out = Root;
    if (Parts.empty())
        return out + "\\";
    for (const auto& part : Parts)
        out += "\\" + part;
    return out;
}

bool IsFullyQualified(std::string_view path) {
    if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]))
        return true;
    return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsPathSeparator(path[2]);
}

std::optional<WindowsPath> ResolveWindowsPath(std::string_view path, std::string_view currentDir) {
    if (path.empty())
        return std::nullopt;
    WindowsPath result;
    std::string_view rest;
    if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
        const auto unc = UncRoot(path);
        if (!unc)
            return std::nullopt;
        result.Root = unc->first;
        rest = path.substr(unc->second);
    } else {
        std::optional<WindowsPath> current;
        if (!IsFullyQualified(path)) {
            if (!IsFullyQualified(currentDir))
                return std::nullopt;
            current = ResolveWindowsPath(currentDir, {});
            if (!current)
                return std::nullopt;
        }
        if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
            result.Root = std::string{ToUpperAscii(path[0]), ':'};
            rest = path.substr(2);
            // "D:name" is relative to the current folder when it is on D:, else to D:'s root.
            if ((rest.empty() || !IsPathSeparator(rest[0])) && current &&
                current->Root == result.Root)
                result.Parts = current->Parts;
        } else {
            result.Root = current->Root;
            rest = path;
            if (!IsPathSeparator(path[0]))
                result.Parts = current->Parts;
        }
    }
    if (!AppendParts(rest, result.Parts))
        return std::nullopt;
    return result;
}

std::filesystem::path HostPathOnDrive(const std::filesystem::path& driveHost,
                                      const std::vector<std::string>& parts) {
    std::filesystem::path host = driveHost;
    bool lookUp = true; // stops at the first part that does not exist at all
    for (const auto& part : parts) {
        if (lookUp) {
            struct stat info {};
            if (::lstat((host / part).c_str(), &info) == 0) {
                host /= part;
                continue;
            }
            std::string match;
            if (DIR* dir = ::opendir(host.c_str())) {
                while (const dirent* entry = ::readdir(dir)) {
                    const std::string_view name = entry->d_name;
                    // Of several spellings the smallest wins, so that the choice is stable.
                    if (EqualsNoCase(name, part) && (match.empty() || name < match))
                        match = name;
                }
                ::closedir(dir);
            }
            if (!match.empty()) {
                host /= match;
                continue;
            }
            lookUp = false;
        }
        host /= part;
    }
    return host;
}

} // namespace sys
