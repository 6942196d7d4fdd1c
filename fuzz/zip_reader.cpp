// libFuzzer target for the zip reader: any bytes are opened as an archive and every entry is
// extracted into a scratch folder. Errors are expected; crashes, sanitizer reports, links made,
// temporary files left behind or anything written beside the destination are faults.
#include "platform/zip/zip_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A scratch folder for one input, removed afterwards; one that made the target stop stays for
// inspection.
class Workspace {
public:
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "kx-fuzz-zip-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// Everything the reader made lies inside dest, is a file or a folder, and is no leftover
// temporary file.
void CheckWorkspace(const Workspace& workspace, const fs::path& dest) {
    for (const auto& item : fs::directory_iterator(workspace.Path())) {
        if (item.path() != dest)
            std::abort();
    }
    if (!fs::exists(dest))
        return;
    for (const auto& item : fs::recursive_directory_iterator(dest)) {
        auto status = item.symlink_status();
        if (!fs::is_regular_file(status) && !fs::is_directory(status))
            std::abort();
        if (item.path().filename().string().rfind(".kx-unzip-", 0) == 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Workspace workspace;
    const fs::path dest = workspace.Path() / "dest";

    zip::TZipFile archive;
    try {
        archive.OpenMemory(std::vector<uint8_t>(data, data + size), "fuzz.zip");
    } catch (const zip::EZipException&) {
        CheckWorkspace(workspace, dest);
        return 0;
    }
    uint64_t lastPosition = 0;
    archive.OnProgress = [&](void*, const std::string&, const zip::TZipHeader& header,
                             uint64_t position) {
        if (position > header.UncompressedSize)
            std::abort();
        lastPosition = position;
    };
    for (int i = 0; i < archive.FileCount(); ++i) {
        lastPosition = UINT64_MAX;
        try {
            (void)archive.FileName(i);
            archive.Extract(i, dest, i % 2 == 0);
            if (lastPosition != archive.FileInfo(i).UncompressedSize)
                std::abort(); // extracted without reaching its size
        } catch (const zip::EZipException&) {
        }
    }
    try {
        archive.ExtractAll(dest);
    } catch (const zip::EZipException&) {
    }
    CheckWorkspace(workspace, dest);
    return 0;
}
