#include "transfer/archive_transfer.h"

#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/zip/zip_file.h"
#include "transfer/transfer_texts.h"
#include "transfer/volume_copy.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace Iglobals;

namespace {

// The platform's case-insensitive text comparison, as the sorted string list uses it.
bool LessWithoutCase(const std::string& a, const std::string& b) {
    return sys::UpperAscii(a) < sys::UpperAscii(b);
}

std::string ExtensionFromLastDot(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string BaseBeforeFirstDot(const std::string& name) {
    return name.substr(0, name.find('.'));
}

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

} // namespace

std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    sys::TSearchRec rec;
    if (sys::FindFirst(sys::IncludeTrailingPathDelimiter(folder) + mask, sys::faAnyFile, rec) ==
        0) {
        do {
            if (rec.Name != "." && rec.Name != "..")
                names.push_back(rec.Name);
        } while (sys::FindNext(rec) == 0);
        sys::FindClose(rec);
    }
    return names;
}

TArchiveTransfer::TArchiveTransfer(TTransferObserver& observer) : Observer(observer) {}

int TArchiveTransfer::Run() {
    if (!AssembleArchives())
        return 2;
    ExtractArchives();
    return 1;
}

bool TArchiveTransfer::AssembleArchives() {
    Observer.ShowGroupName(TransferTexts::AssemblingCaption);
    JoinedCounter() = 0;
    if (sys::GetDriveType(MediaPath.substr(0, 3)) != sys::DriveType::Removable)
        DiskCount = 1;
    Observer.SetCopyMaximum(DiskCount);
    Observer.SetCopyProgress(0);
    if (EndsWithSeparator(MediaPath))
        MediaPath.pop_back();
    if (DiskCount < 1)
        return true;
    for (int n = 1; n <= DiskCount; ++n) {
        if (!WaitForDisk(n))
            return false;
        Observer.SetCopyProgress(n);
        // A sorted list without duplicates, in the platform's case-insensitive order.
        std::vector<std::string> volumes;
        for (const auto& name : ListFolder(MediaPath, "*.*"))
            if (IsVolumeName(name))
                volumes.push_back(name);
        std::sort(volumes.begin(), volumes.end(), LessWithoutCase);
        volumes.erase(std::unique(volumes.begin(), volumes.end(),
                                  [](const std::string& a, const std::string& b) {
                                      return !LessWithoutCase(a, b) && !LessWithoutCase(b, a);
                                  }),
                      volumes.end());
        for (const auto& name : volumes)
            JoinVolume(name);
        Observer.SetCopyProgress(JoinedCounter());
    }
    return true;
}

bool TArchiveTransfer::WaitForDisk(int n) {
    Observer.SetMessageHeading(TransferTexts::DiskPromptHeading);
    const std::string marker = MediaPath + "\\DISK" + std::to_string(n);
    while (!sys::FileExists(marker)) {
        if (!Observer.AskForDisk(TransferTexts::DiskPrompt(n)))
            return false;
    }
    return true;
}

bool TArchiveTransfer::IsVolumeName(const std::string& name) const {
    const std::string ext = ExtensionFromLastDot(name);
    if (ext.empty() || ext.back() < '0' || ext.back() > '9')
        return false;
    const std::string base = sys::UpperAscii(BaseBeforeFirstDot(name));
    for (int row = 0; row < ComponentCount; ++row)
        if (InSet(ComponentSets(), InstallType, row) && base == Components[row].FileName)
            return true;
    return false;
}

void TArchiveTransfer::JoinVolume(const std::string& name) {
    buffer.resize(CopyBufferSize);
    const std::string source = MediaPath + "\\" + name;
    Observer.ShowGroupName(name);
    const std::string target = sys::ExcludeTrailingPathDelimiter(DefaultProgramPath) + "\\" +
                               BaseBeforeFirstDot(name) + ".ZIP";
    const bool first = ExtensionFromLastDot(name) == ".1";

    const auto sourceHost = sys::ToHostPath(source);
    const auto targetHost = sys::ToHostPath(target);
    const int in = sourceHost ? ::open(sourceHost->c_str(), O_RDONLY | O_CLOEXEC) : -1;
    // The first volume creates (or empties) the archive; the others only extend an existing one.
    const int flags = O_WRONLY | O_CLOEXEC | (first ? O_CREAT | O_TRUNC : 0);
    const int out = targetHost ? ::open(targetHost->c_str(), flags, 0644) : -1;
    if (in >= 0 && out >= 0 && ::lseek(out, 0, SEEK_END) >= 0)
        AppendFileData(in, out, buffer);
    if (in >= 0)
        ::close(in);
    if (out >= 0)
        ::close(out);
    ++JoinedCounter();
}

void TArchiveTransfer::HandleZipProgress(void*, const std::string&, const zip::TZipHeader& header,
                                         uint64_t position) {
    Observer.SetUnzipProgress(static_cast<int64_t>(position) / SizeUnit + ZipProgres);
    if (position == header.UncompressedSize)
        ZipProgres += static_cast<int64_t>(header.UncompressedSize) / SizeUnit;
}

void TArchiveTransfer::ClearFolderFiles(const std::string& folder, const std::string& mask) {
    const std::string base = sys::IncludeTrailingPathDelimiter(folder);
    for (const auto& name : ListFolder(base, mask))
        sys::DeleteFile(base + name);
}

void TArchiveTransfer::AddEntrySizes(const zip::TZipFile& zip) {
    for (int i = 0; i < zip.FileCount(); ++i)
        ZipSize += static_cast<int64_t>(zip.FileInfo(i).UncompressedSize) / SizeUnit;
}

void TArchiveTransfer::DeleteAssembledArchives() {
    const std::string folder = sys::ExcludeTrailingPathDelimiter(ProgramPath);
    for (const auto& name : ListFolder(folder, "*.ZIP")) {
        const std::string path = folder + "\\" + name;
        if (!sys::DeleteFile(path))
            Observer.ShowPlainMessage(TransferTexts::CannotDelete(path));
    }
}

void TArchiveTransfer::EnterProgramFolder() {
    sys::ChDir(sys::ExcludeTrailingPathDelimiter(DefaultProgramPath));
}

void TArchiveTransfer::CompleteDataPath() {
    if (!DataPath.empty() && !EndsWithSeparator(DataPath))
        DataPath += "\\";
}
