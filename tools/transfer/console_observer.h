#pragma once
// Prints what the copy steps show, and answers disk prompts by putting the next disk folder
// into the media drive.
#include "platform/sys/prefix.h"
#include "transfer/transfer_observer.h"

#include <deque>
#include <filesystem>

class TConsoleObserver : public TTransferObserver {
public:
    TConsoleObserver(std::string drive, sys::DriveType type,
                     std::deque<std::filesystem::path> laterDisks, bool quiet);

    void ShowGroupName(const std::string& caption) override;
    void SetCopyMaximum(int64_t maximum) override;
    void SetCopyProgress(int64_t progress) override;
    void SetUnzipMaximum(int64_t maximum) override;
    void SetUnzipProgress(int64_t progress) override;
    void SetMessageHeading(const std::string& heading) override;
    bool AskForDisk(const std::string& text) override;
    void WarnOlderEngine(const std::string& text) override;
    void ShowPlainMessage(const std::string& text) override;
    void ShowVersionInstructions(const std::string& programPath) override;
    void ProcessMessages() override {}

private:
    std::string drive;
    sys::DriveType type;
    std::deque<std::filesystem::path> laterDisks;
    bool quiet;
    int64_t copyMaximum = 0, unzipMaximum = 0;
    int lastUnzipPercent = -1;
    std::string heading;
};
