#include "platform/html/link_target.h"

#include <algorithm>
#include <cctype>

namespace html {

namespace {

std::string Trimmed(const std::string& text) {
    auto first = std::find_if(text.begin(), text.end(), [](unsigned char c) { return c > ' '; });
    auto last = std::find_if(text.rbegin(), text.rend(), [](unsigned char c) { return c > ' '; });
    return first < last.base() ? std::string(first, last.base()) : std::string();
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// "%20" and the like as the bytes they stand for; a NUL stays encoded, it cannot be a file name.
std::string PercentDecoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            int high = HexValue(text[i + 1]);
            int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0 && (high || low)) {
                out += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// "http:", "mailto:" ...; a single letter before the colon is a drive, not a scheme.
std::string SchemeOf(const std::string& href) {
    size_t colon = href.find(':');
    if (colon == std::string::npos || colon < 2)
        return {};
    for (size_t i = 0; i < colon; ++i) {
        unsigned char c = href[i];
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return {};
    }
    std::string scheme = href.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return scheme;
}

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// "C:" or "\\server\share" of an absolute Windows path.
std::string RootOf(const std::string& path) {
    if (HasDrive(path))
        return path.substr(0, 2);
    if (path.rfind("\\\\", 0) == 0) {
        size_t server = path.find('\\', 2);
        if (server == std::string::npos)
            return path;
        size_t share = path.find('\\', server + 1);
        return path.substr(0, share);
    }
    return {};
}

std::string FolderOf(const std::string& file) {
    size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

} // namespace

std::optional<TLinkTarget> ResolveLink(const std::string& currentFile, const std::string& href) {
    std::string link = Trimmed(href);
    if (link.empty())
        return std::nullopt;
    std::string scheme = SchemeOf(link);
    if (!scheme.empty()) {
        if (scheme != "file")
            return std::nullopt;
        link = link.substr(5);
        // file:///C:/x, file://C:/x, file:C:/x; a host name other than an empty one is remote.
        if (link.rfind("//", 0) == 0) {
            link = link.substr(2);
            if (!link.empty() && link[0] != '/' && !HasDrive(link))
                return std::nullopt;
        }
        if (link.size() >= 3 && link[0] == '/' && HasDrive(link.substr(1)))
            link = link.substr(1);
    }

    TLinkTarget target;
    size_t hash = link.find('#');
    if (hash != std::string::npos) {
        target.Fragment = PercentDecoded(link.substr(hash + 1));
        link = link.substr(0, hash);
    }
    std::string path = PercentDecoded(link);
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.empty()) {
        if (currentFile.empty())
            return std::nullopt;
        target.File = currentFile;
    } else if (HasDrive(path) || path.rfind("\\\\", 0) == 0) {
        target.File = path;
    } else if (path[0] == '\\') {
        target.File = RootOf(currentFile) + path;
    } else {
        std::string folder = FolderOf(currentFile);
        target.File = folder.empty() ? path : folder + "\\" + path;
    }
    return target;
}

} // namespace html
