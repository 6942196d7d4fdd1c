#pragma once
// Everything the copy steps show or ask goes through this interface: the copy screens implement
// it with their label, gauges and dialogs; the command-line driver prints it.
#include <cstdint>
#include <string>

class TTransferObserver {
public:
    virtual ~TTransferObserver() = default;

    // The caption of LGroupName, repainted at once.
    virtual void ShowGroupName(const std::string& caption) = 0;
    // The disk gauge (CopyProgress) and the byte gauge (UnzipProgress); the gauges clamp.
    virtual void SetCopyMaximum(int64_t maximum) = 0;
    virtual void SetCopyProgress(int64_t progress) = 0;
    virtual void SetUnzipMaximum(int64_t maximum) = 0;
    virtual void SetUnzipProgress(int64_t progress) = 0;

    // The heading put in front of every later message dialog.
    virtual void SetMessageHeading(const std::string& heading) = 0;
    // The warning with OK and Cancel that asks for a disk: true for OK, false for Cancel.
    virtual bool AskForDisk(const std::string& text) = 0;
    // The error with a single OK about an older database engine.
    virtual void WarnOlderEngine(const std::string& text) = 0;
    // The platform's plain message box (an assembled archive that cannot be deleted).
    virtual void ShowPlainMessage(const std::string& text) = 0;
    // The version instructions of the program folder, in manual mode.
    virtual void ShowVersionInstructions(const std::string& programPath) = 0;
    // Lets pending window messages run (the upgrade copy does this while it extracts).
    virtual void ProcessMessages() = 0;
};
