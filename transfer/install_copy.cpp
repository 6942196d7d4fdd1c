#include "transfer/install_copy.h"

#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/sys/registry.h"
#include "platform/zip/zip_file.h"
#include "transfer/transfer_texts.h"

using namespace Iglobals;

namespace Ccopy {
int32_t JoinedVolumes = 0;
bool OlderEngineFound = false;
} // namespace Ccopy

const std::string TCopyEngine::EngineInitKey =
    "\\Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT";
const std::string TCopyEngine::EngineSubfolders[3] = {"\\Borland", "\\Borland\\Common Files",
                                                      "\\Borland\\Common Files\\BDE"};

const TCompSets& TCopyEngine::ComponentSets() const {
    return InstallComponents;
}
int32_t& TCopyEngine::JoinedCounter() const {
    return Ccopy::JoinedVolumes;
}

bool TCopyEngine::IsOptionalArchive(const std::string& name) {
    return name == "VORNEXA.ZIP" || name == "PLUMETA.ZIP";
}

void TCopyEngine::ClearNewFolders(const std::string& dataFolder) {
    const std::string base = sys::IncludeTrailingPathDelimiter(dataFolder);
    for (const char* sub : {"NEW\\DATA\\", "NEW\\FIRMA\\", "NEW\\LUNA\\"})
        ClearFolderFiles(base + sub, "*.*");
}

int TCopyEngine::EngineVersionNumber(const std::string& text) {
    if (text.empty())
        return 0;
    auto end = text.find('.');
    if (end == std::string::npos)
        end = text.find(',');
    const std::string whole = text.substr(0, end);
    // The number is the first run of digits: a letter before it ("v4") is passed over, and
    // anything after it ends it.
    int value = 0;
    bool inDigits = false;
    for (char c : whole) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && inDigits)
            break;
        if (!digit)
            continue;
        inDigits = true;
        if (value > 100000000)
            break; // far above any version; keeps the value from overflowing
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string TCopyEngine::EngineDestination() {
    sys::TRegistry reg;
    reg.RootKey = sys::HKEY_LOCAL_MACHINE;
    if (reg.KeyExists(EngineInitKey)) {
        bool hasVersion = false;
        if (reg.OpenKeyReadOnly(EngineInitKey) && reg.ValueExists("VERSION")) {
            hasVersion = true;
            const std::string version = reg.ReadString("VERSION");
            if (version != "4.0" && EngineVersionNumber(version) < 4)
                Ccopy::OlderEngineFound = true;
        }
        reg.CloseKey();
        if (hasVersion && Ccopy::OlderEngineFound) {
            Observer.SetMessageHeading(TransferTexts::OlderEngineHeading);
            Observer.WarnOlderEngine(TransferTexts::OlderEngineWarning);
            Observer.SetMessageHeading(TransferTexts::HeadingAfterWarning);
        }
        return "";
    }
    std::string programFiles;
    if (reg.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion") &&
        reg.ValueExists("ProgramFilesDir"))
        programFiles = reg.ReadString("ProgramFilesDir");
    reg.CloseKey();
    for (const auto& sub : EngineSubfolders)
        if (!sys::DirectoryExists(programFiles + sub))
            sys::CreateDir(programFiles + sub);
    return programFiles + EngineSubfolders[2];
}

void TCopyEngine::ExtractArchives() {
    EnterProgramFolder();
    for (int row = 0; row < ComponentCount; ++row) {
        const TCompRecord& component = Components[row];
        if (!InSet(InstallComponents, InstallType, row) || component.FileName.empty())
            continue;
        Observer.ShowGroupName(component.CompName);
        const std::string archive = component.FileName + ".ZIP";
        if (!sys::FileExists(archive) && IsOptionalArchive(archive))
            continue;

        std::string destination;
        switch (component.DestType) {
        case dtProgram:
            destination = ProgramPath;
            break;
        case dtDatabaseDat:
            CompleteDataPath();
            if (sys::FileExists(DataPath + "DATA\\FIRME.DB") ||
                sys::FileExists(DataPath + "DATA\\OPERATOR.DB"))
                continue; // an existing database is never overwritten
            destination = DataPath;
            break;
        case dtDatabaseNew:
            CompleteDataPath();
            ClearNewFolders(DataPath);
            destination = DataPath;
            break;
        case dtProgramFiles:
            destination = EngineDestination();
            if (destination.empty())
                continue;
            break;
        }

        ZipSize = 0;
        ZipProgres = 0;
        zip::TZipFile sizes;
        sizes.Open(sys::HostPath(archive), zip::zmRead);
        AddEntrySizes(sizes);
        sizes.Close();
        Observer.SetUnzipProgress(0);
        Observer.SetUnzipMaximum(ZipSize);
        zip::TZipFile::ExtractZipFile(
            sys::HostPath(archive), sys::HostPath(destination),
            [this](void* sender, const std::string& name, const zip::TZipHeader& header,
                   uint64_t position) { HandleZipProgress(sender, name, header, position); });
        if (component.DestType == dtProgram)
            Observer.ShowVersionInstructions(ProgramPath);
    }
    DeleteAssembledArchives();
}
