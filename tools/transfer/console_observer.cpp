#include "tools/transfer/console_observer.h"

#include <iostream>

namespace {
// Message texts break lines with CR; the console wants them on one line.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r')
            c = ' ';
    return text;
}
} // namespace

TConsoleObserver::TConsoleObserver(std::string drive_, sys::DriveType type_,
                                   std::deque<std::filesystem::path> laterDisks_, bool quiet_)
    : drive(std::move(drive_)), type(type_), laterDisks(std::move(laterDisks_)), quiet(quiet_) {}

void TConsoleObserver::ShowGroupName(const std::string& caption) {
    if (!quiet)
        std::cout << "label: " << caption << "\n";
}

void TConsoleObserver::SetCopyMaximum(int64_t maximum) {
    copyMaximum = maximum;
}

void TConsoleObserver::SetCopyProgress(int64_t progress) {
    if (!quiet)
        std::cout << "disks: " << std::min(progress, copyMaximum) << "/" << copyMaximum << "\n";
}

void TConsoleObserver::SetUnzipMaximum(int64_t maximum) {
    unzipMaximum = maximum;
    lastUnzipPercent = -1;
}

void TConsoleObserver::SetUnzipProgress(int64_t progress) {
    const int percent =
        unzipMaximum > 0 ? static_cast<int>(std::min(progress, unzipMaximum) * 100 / unzipMaximum)
                         : 0;
    if (quiet || percent == lastUnzipPercent)
        return;
    lastUnzipPercent = percent;
    std::cout << "unpacked: " << percent << "% (" << progress << " of " << unzipMaximum << " KB)\n";
}

void TConsoleObserver::SetMessageHeading(const std::string& text) {
    heading = text;
}

bool TConsoleObserver::AskForDisk(const std::string& text) {
    std::cout << "prompt: " << heading << ", " << OneLine(text);
    if (laterDisks.empty()) {
        std::cout << " -> cancel\n";
        return false;
    }
    std::cout << " -> " << laterDisks.front().string() << "\n";
    sys::MapDrive({drive, laterDisks.front(), type});
    laterDisks.pop_front();
    return true;
}

void TConsoleObserver::WarnOlderEngine(const std::string& text) {
    std::cout << "error: " << heading << ", " << OneLine(text) << "\n";
}

void TConsoleObserver::ShowPlainMessage(const std::string& text) {
    std::cout << "message: " << text << "\n";
}

void TConsoleObserver::ShowVersionInstructions(const std::string& programPath) {
    if (!quiet)
        std::cout << "instructions: " << programPath << "\n";
}
