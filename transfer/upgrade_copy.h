#pragma once
// The copy of an upgrade: the same media and assembly as a new installation, but a narrower set
// of components, extracted entry by entry through a filter so that an installed copy keeps what
// must not be replaced (its engine files, its pictures in the sample folders).
#include "transfer/archive_transfer.h"

namespace Cupgcopy {
extern int32_t JoinedVolumes;   // volumes joined in the current assembly pass
extern bool ProgramArchiveMode; // the archive being extracted belongs to a program component
} // namespace Cupgcopy

class TUpgCopyEngine : public TArchiveTransfer {
public:
    using TArchiveTransfer::TArchiveTransfer;

    void ExtractArchives() override;
    // Empties the three sample folders but keeps (and makes writable) the pictures in them.
    static void ClearNewFolders(const std::string& dataFolder);
    // Whether the archive entry with this stored name is extracted; every decision is traced.
    static bool ConfirmEntry(const std::string& name);
    void HandleZipProgress(void* sender, const std::string& fileName, const zip::TZipHeader& header,
                           uint64_t position) override;

protected:
    const Iglobals::TCompSets& ComponentSets() const override;
    int32_t& JoinedCounter() const override;
};
