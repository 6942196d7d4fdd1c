// Windows wildcard masks as the file system matches them: "?" and "*" are turned into their DOS
// forms, so that "*.*" matches names without a dot and "*." matches only those.
#include "platform/sys/ascii.h"
#include "platform/sys/files.h"

#include <vector>

namespace sys {

namespace {

// DOS forms of the wildcards, stored in the mask as bytes that no name contains.
constexpr char DosStar = '\x01'; // "*" before ".": any run that does not pass the name's last dot
constexpr char DosQm = '\x02';   // "?": one character, or none at a dot or at the end
constexpr char DosDot = '\x03';  // "." before a wildcard or at the end: a dot, or none at the end

std::string DosMask(const std::string& mask) {
    std::string out = mask;
    for (size_t i = 0; i < out.size(); ++i) {
        const char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
        if (mask[i] == '?')
            out[i] = DosQm;
        else if (mask[i] == '*' && next == '.')
            out[i] = DosStar;
        else if (mask[i] == '.' && (next == '?' || next == '*' || next == '\0'))
            out[i] = DosDot;
    }
    return out;
}

class Matcher {
public:
    Matcher(const std::string& name, const std::string& mask)
        : Name(name), Mask(mask), LastDot(name.rfind('.')),
          Seen((name.size() + 1) * (mask.size() + 1), false) {}

    bool Match(size_t n, size_t m) {
        const size_t key = n * (Mask.size() + 1) + m;
        if (Seen[key])
            return false; // already explored without success
        Seen[key] = true;
        if (m == Mask.size())
            return n == Name.size();
        const char c = Mask[m];
        const bool atEnd = n == Name.size();
        switch (c) {
        case '*':
            return Match(n, m + 1) || (!atEnd && Match(n + 1, m));
        case DosStar:
            return Match(n, m + 1) || (!atEnd && n != LastDot && Match(n + 1, m));
        case DosQm:
            if (atEnd || Name[n] == '.')
                return Match(n, m + 1);
            return Match(n + 1, m + 1);
        case DosDot:
            if (atEnd)
                return Match(n, m + 1);
            return Name[n] == '.' && Match(n + 1, m + 1);
        default:
            return !atEnd && ToLowerAscii(Name[n]) == ToLowerAscii(c) && Match(n + 1, m + 1);
        }
    }

private:
    const std::string& Name;
    const std::string& Mask;
    size_t LastDot;
    std::vector<bool> Seen;
};

} // namespace

// Longer texts are no Windows names; they match nothing (and cannot exhaust the matcher).
constexpr size_t MaxNameLength = 1024;

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (name.size() > MaxNameLength || mask.size() > MaxNameLength)
        return false;
    if (mask == "*" || mask == "*.*")
        return true;
    const std::string dos = DosMask(mask);
    return Matcher(name, dos).Match(0, 0);
}

} // namespace sys
