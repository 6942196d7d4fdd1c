// FindFirst/FindNext/FindClose: one folder's entries that match a mask, "." and ".." first, the
// rest in the order of their upper-cased names (the order a Windows disk lists them in), so that
// every run sees the same order.
#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/win_path.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace sys {

namespace {

constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorNoMoreFiles = 18;
// Entries with these attributes are reported only when the caller asks for them.
constexpr uint32_t SpecialAttributes = faHidden | faSysFile | faDirectory;

struct FoundEntry {
    std::string Name;
    uint32_t Attr;
    int64_t Size;
};

struct SearchState {
    std::vector<FoundEntry> Entries;
    size_t Next = 0;
};

FoundEntry Describe(const std::string& name, const struct stat& info) {
    uint32_t attributes = S_ISDIR(info.st_mode) ? faDirectory : faArchive;
    if (!S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0)
        attributes |= faReadOnly;
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= faHidden;
    return {name, attributes, S_ISDIR(info.st_mode) ? 0 : static_cast<int64_t>(info.st_size)};
}

int Deliver(TSearchRec& rec) {
    auto* state = static_cast<SearchState*>(rec.Handle.get());
    if (!state || state->Next >= state->Entries.size())
        return ErrorNoMoreFiles;
    const FoundEntry& entry = state->Entries[state->Next++];
    rec.Name = entry.Name;
    rec.Attr = entry.Attr;
    rec.Size = entry.Size;
    return 0;
}

} // namespace

int FindFirst(const std::string& pathAndMask, uint32_t attr, TSearchRec& rec) {
    rec.Handle.reset();
    const std::string mask = ExtractFileName(pathAndMask);
    const std::string folderPath = ExtractFilePath(pathAndMask);
    if (mask.empty())
        return ErrorFileNotFound;
    const auto folder = ToHostPath(folderPath.empty() ? std::string(".") : folderPath);
    DIR* dir = folder ? ::opendir(folder->c_str()) : nullptr;
    if (!dir)
        return ErrorPathNotFound;
    auto state = std::make_shared<SearchState>();
    const uint32_t excluded = ~attr & SpecialAttributes;
    // A drive's root folder has no "." and ".." entries on Windows.
    const auto resolved =
        ResolveWindowsPath(folderPath.empty() ? GetCurrentDir() : folderPath,
                           IsFullyQualified(folderPath) ? std::string() : GetCurrentDir());
    const bool isRoot = resolved && resolved->Parts.empty();
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        if (isRoot && (name == "." || name == ".."))
            continue;
        struct stat info {};
        if (!MatchesMask(name, mask) || ::stat((*folder / name).c_str(), &info) != 0)
            continue;
        FoundEntry entry = Describe(name, info);
        if ((entry.Attr & excluded) == 0)
            state->Entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(
        state->Entries.begin(), state->Entries.end(), [](const FoundEntry& a, const FoundEntry& b) {
            const auto rank = [](const std::string& n) { return n == "." ? 0 : n == ".." ? 1 : 2; };
            if (rank(a.Name) != rank(b.Name))
                return rank(a.Name) < rank(b.Name);
            const std::string upperA = UpperAscii(a.Name), upperB = UpperAscii(b.Name);
            return upperA != upperB ? upperA < upperB : a.Name < b.Name;
        });
    if (state->Entries.empty())
        return ErrorFileNotFound;
    rec.Handle = state;
    return Deliver(rec);
}

int FindNext(TSearchRec& rec) {
    return Deliver(rec);
}

void FindClose(TSearchRec& rec) {
    rec.Handle.reset();
}

} // namespace sys
