#pragma once
// What the copy of a new installation and the copy of an upgrade share: asking for the disks,
// joining the split volumes into one archive per component, the kilobyte gauge arithmetic and
// the final removal of the assembled archives.
#include "app/core/installer_state.h"
#include "platform/zip/zip_file.h"
#include "transfer/transfer_observer.h"

#include <cstdint>
#include <string>
#include <vector>

class TArchiveTransfer {
public:
    explicit TArchiveTransfer(TTransferObserver& observer);
    virtual ~TArchiveTransfer() = default;

    // The whole copy behind the Continue button: assemble, then extract. Returns the screen's
    // result: 1 (next), or 2 when the user gave up at a disk prompt. Errors of the zip reader and
    // the platform propagate to the caller.
    int Run();

    // False when the user gave up at a disk prompt.
    bool AssembleArchives();
    virtual void ExtractArchives() = 0;
    // True when disk n is present, false when the user cancelled.
    bool WaitForDisk(int n);
    bool IsVolumeName(const std::string& name) const;
    // Joins one volume (a name relative to MediaPath) into its archive in DefaultProgramPath.
    void JoinVolume(const std::string& name);
    // The handler of the zip reader's progress: the byte gauge advances in kilobytes.
    virtual void HandleZipProgress(void* sender, const std::string& fileName,
                                   const zip::TZipHeader& header, uint64_t position);

    // Deletes every entry of folder matching mask (one level, failures ignored).
    static void ClearFolderFiles(const std::string& folder, const std::string& mask);

    int64_t ZipSize = 0;    // kilobytes of the current archive, each entry rounded down
    int64_t ZipProgres = 0; // kilobytes of the current archive's completed entries

    static constexpr size_t CopyBufferSize = 2500000;
    static constexpr int64_t SizeUnit = 1024;

protected:
    // The component set this copy takes, indexed by install type.
    virtual const Iglobals::TCompSets& ComponentSets() const = 0;
    // The process-wide count of volumes joined in the current pass.
    virtual int32_t& JoinedCounter() const = 0;

    // Adds the kilobytes of every entry of an open archive to ZipSize, each rounded down.
    void AddEntrySizes(const zip::TZipFile& zip);
    // Deletes every "*.ZIP" in ProgramPath, reporting the ones that cannot be deleted.
    void DeleteAssembledArchives();
    // Makes DefaultProgramPath (without one trailing separator) the current folder.
    static void EnterProgramFolder();
    // Appends a separator to DataPath itself when it is not empty and lacks one.
    static void CompleteDataPath();

    TTransferObserver& Observer;

private:
    std::vector<char> buffer; // the 2,500,000-byte copy buffer, kept between volumes
};

// Names of the directory entries of folder that match mask, without "." and "..".
std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask);
