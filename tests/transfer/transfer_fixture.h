#pragma once
// A prefix with installation media on drive A:, archives made from small trees, and an observer
// that records what the copy steps show and answers the disk prompts by changing the disk.
#include "app/core/installer_state.h"
#include "common/temp_prefix.h"
#include "kit/media/zip_writer.h"
#include "platform/sys/prefix.h"
#include "transfer/transfer_observer.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <vector>

namespace kxtest {

namespace fs = std::filesystem;

// A tree of files: stored name -> content.
using Tree = std::map<std::string, std::string>;

class RecordingObserver : public TTransferObserver {
public:
    // Folders to put into drive A: when asked for a disk, in order; empty: answer Cancel.
    std::deque<fs::path> NextDisks;
    sys::DriveType MediaType = sys::DriveType::Removable;

    std::vector<std::string> GroupNames, Headings, DiskPrompts, Warnings, PlainMessages,
        Instructions;
    std::vector<int64_t> CopyProgress, UnzipProgress;
    int64_t CopyMaximum = -1, UnzipMaximum = -1;
    int MessagePasses = 0;

    void ShowGroupName(const std::string& caption) override { GroupNames.push_back(caption); }
    void SetCopyMaximum(int64_t maximum) override { CopyMaximum = maximum; }
    void SetCopyProgress(int64_t progress) override { CopyProgress.push_back(progress); }
    void SetUnzipMaximum(int64_t maximum) override { UnzipMaximum = maximum; }
    void SetUnzipProgress(int64_t progress) override { UnzipProgress.push_back(progress); }
    void SetMessageHeading(const std::string& heading) override { Headings.push_back(heading); }
    bool AskForDisk(const std::string& text) override {
        DiskPrompts.push_back(text);
        if (NextDisks.empty())
            return false;
        sys::MapDrive({"A:", NextDisks.front(), MediaType});
        NextDisks.pop_front();
        return true;
    }
    void WarnOlderEngine(const std::string& text) override { Warnings.push_back(text); }
    void ShowPlainMessage(const std::string& text) override { PlainMessages.push_back(text); }
    void ShowVersionInstructions(const std::string& path) override { Instructions.push_back(path); }
    void ProcessMessages() override { ++MessagePasses; }
};

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        Iglobals::ResetInstallerState();
        Iglobals::InstallType = 1;
        Iglobals::MediaPath = "A:\\";
        Iglobals::DiskCount = 1;
        fs::create_directories(prefix.C("Kesvard"));
    }

    // Host folder of disk n of the media (created with its marker unless told otherwise).
    fs::path Disk(int n, bool marker = true) {
        const fs::path folder = prefix.Root / "media" / ("disk" + std::to_string(n));
        fs::create_directories(folder);
        if (marker)
            TempPrefix::Write(folder / ("DISK" + std::to_string(n)), "");
        return folder;
    }
    void InsertDisk(const fs::path& folder, sys::DriveType type = sys::DriveType::Removable) {
        sys::MapDrive({"A:", folder, type});
    }

    // Zips tree into bytes (through a file in the prefix's scratch folder).
    std::string Zip(const Tree& tree) {
        const fs::path work = prefix.Root / "scratch" / std::to_string(counter++);
        for (const auto& [name, content] : tree)
            if (name.ends_with('/'))
                fs::create_directories(work / "tree" / name);
            else
                TempPrefix::Write(work / "tree" / name, content);
        kit::ZipWriter writer(work / "archive.zip");
        for (const auto& [name, content] : tree)
            if (name.ends_with('/'))
                writer.AddFolder(name);
            else
                writer.AddFile(work / "tree" / name, name);
        writer.Finish();
        return TempPrefix::Read(work / "archive.zip");
    }

    // Cuts an archive's bytes into volumes name.1, name.2, ... of at most size bytes, placing
    // volume i on disks[i - 1].
    void PutVolumes(const std::string& name, const std::string& bytes,
                    const std::vector<fs::path>& disks) {
        const size_t size = (bytes.size() + disks.size() - 1) / disks.size();
        for (size_t i = 0; i < disks.size(); ++i)
            TempPrefix::Write(disks[i] / (name + "." + std::to_string(i + 1)),
                              bytes.substr(i * size, size));
    }

    TempPrefix prefix;
    RecordingObserver observer;
    int counter = 0;
};

inline std::string ReadIfAny(const fs::path& path) {
    return fs::exists(path) ? TempPrefix::Read(path) : std::string("<missing>");
}

} // namespace kxtest
