#include "transfer/upgrade_copy.h"

#include "diag/trace.h"
#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/zip/zip_file.h"

using namespace Iglobals;

namespace Cupgcopy {
int32_t JoinedVolumes = 0;
bool ProgramArchiveMode = false;
} // namespace Cupgcopy

const TCompSets& TUpgCopyEngine::ComponentSets() const {
    return UpgradeComponents;
}
int32_t& TUpgCopyEngine::JoinedCounter() const {
    return Cupgcopy::JoinedVolumes;
}

void TUpgCopyEngine::ClearNewFolders(const std::string& dataFolder) {
    const std::string base = sys::IncludeTrailingPathDelimiter(dataFolder);
    for (const char* sub : {"NEW\\DATA\\", "NEW\\FIRMA\\", "NEW\\LUNA\\"}) {
        sys::TSearchRec rec;
        if (sys::FindFirst(base + sub + "*.*", sys::faAnyFile, rec) != 0)
            continue;
        do {
            if (rec.Attr == sys::faDirectory)
                continue; // "." and ".." and plain folders
            const std::string path = base + sub + rec.Name;
            const std::string ext = sys::UpperAscii(sys::ExtractFileExt(rec.Name));
            if (ext == ".BMP" || ext == ".PNG")
                sys::SetFileAttributes(path, sys::faNormal); // the user's pictures stay
            else
                sys::DeleteFile(path);
        } while (sys::FindNext(rec) == 0);
        sys::FindClose(rec);
    }
}

bool TUpgCopyEngine::ConfirmEntry(const std::string& name) {
    std::string s = "\\" + sys::UpperAscii(name);
    for (char& c : s)
        if (c == '/')
            c = '\\';
    Trace::TraceNote("Confirmare pentru: " + s);
    const bool confirmed = Cupgcopy::ProgramArchiveMode ? s.compare(1, 5, "IDAPI") != 0
                                                        : s.compare(0, 4, "\\NEW") == 0;
    Trace::TraceNote(confirmed ? "Confirmat" : "NU!!!");
    return confirmed;
}

void TUpgCopyEngine::HandleZipProgress(void* sender, const std::string& fileName,
                                       const zip::TZipHeader& header, uint64_t position) {
    TArchiveTransfer::HandleZipProgress(sender, fileName, header, position);
    Observer.ProcessMessages();
}

void TUpgCopyEngine::ExtractArchives() {
    zip::TZipFile zip;
    EnterProgramFolder();
    for (int row = 0; row < ComponentCount; ++row) {
        const TCompRecord& component = Components[row];
        if (!InSet(UpgradeComponents, InstallType, row) || component.FileName.empty())
            continue;
        Observer.ShowGroupName(component.CompName);
        const std::string archive = component.FileName + ".ZIP";
        std::string destination;
        if (component.DestType == dtProgram) {
            destination = ProgramPath;
        } else if (component.DestType == dtDatabaseNew) {
            CompleteDataPath();
            destination = DataPath;
            ClearNewFolders(DataPath);
        } else {
            continue; // the engine and the database with examples are never touched
        }
        Cupgcopy::ProgramArchiveMode = component.DestType == dtProgram;
        if (!sys::FileExists(archive))
            continue;

        ZipSize = 0;
        ZipProgres = 0;
        zip.OnProgress = nullptr;
        zip.Open(sys::HostPath(archive), zip::zmRead);
        AddEntrySizes(zip);
        Observer.SetUnzipProgress(0);
        Observer.SetUnzipMaximum(ZipSize);
        zip.OnProgress = [this](void* sender, const std::string& name,
                                const zip::TZipHeader& header, uint64_t position) {
            HandleZipProgress(sender, name, header, position);
        };
        const auto target = sys::HostPath(destination);
        for (int i = 0; i < zip.FileCount(); ++i)
            if (ConfirmEntry(zip.FileName(i)))
                zip.Extract(i, target, true);
        zip.Close();
        if (component.DestType == dtProgram)
            Observer.ShowVersionInstructions(ProgramPath);
    }
    DeleteAssembledArchives();
}
