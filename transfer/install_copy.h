#pragma once
// The copy of a new installation: every selected component's archive is unpacked to its
// destination; the sample database with examples never overwrites an existing database, and an
// installed database engine is never overwritten.
#include "transfer/archive_transfer.h"

namespace Ccopy {
extern int32_t JoinedVolumes; // volumes joined in the current assembly pass
extern bool OlderEngineFound; // an installed engine older than version 4 was seen; never reset
} // namespace Ccopy

class TCopyEngine : public TArchiveTransfer {
public:
    using TArchiveTransfer::TArchiveTransfer;

    void ExtractArchives() override;
    // "VORNEXA.ZIP" and "PLUMETA.ZIP" may be missing from the media (exact, upper-case names).
    static bool IsOptionalArchive(const std::string& name);
    // Empties NEW\DATA, NEW\FIRMA and NEW\LUNA under the data folder.
    static void ClearNewFolders(const std::string& dataFolder);
    // The whole-number part of a version text ("5.01" -> 5, "4,0" -> 4, "" -> 0).
    static int EngineVersionNumber(const std::string& text);

    static const std::string EngineInitKey;
    static const std::string EngineSubfolders[3];

protected:
    const Iglobals::TCompSets& ComponentSets() const override;
    int32_t& JoinedCounter() const override;

private:
    // The engine's destination folder, or "" when an installed engine must be kept.
    std::string EngineDestination();
};
