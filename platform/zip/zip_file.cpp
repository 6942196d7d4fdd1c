#include "platform/zip/zip_file.h"

#include "platform/zip/archive_source.h"
#include "platform/zip/central_directory.h"
#include "platform/zip/destination_folder.h"
#include "platform/zip/entry_attributes.h"
#include "platform/zip/entry_data_reader.h"
#include "platform/zip/entry_path.h"
#include "platform/zip/replacement_file.h"
#include "platform/zip/zip_error.h"

#include <sys/stat.h>

namespace zip {

using namespace detail;

struct TZipFile::Impl {
    std::string archiveName;
    std::unique_ptr<ArchiveSource> source;
    CentralDirectory directory;
    std::unique_ptr<EntryDataReader> reader;
    TZipMode mode = zmClosed;

    void Load(const std::string& name,
              const std::function<std::unique_ptr<ArchiveSource>()>& openSource);
    const ZipEntry& EntryAt(int index) const;
    // Extracts one entry; true when it was a folder entry.
    bool ExtractEntry(TZipFile& owner, const ZipEntry& entry, const DestinationFolder& destination,
                      bool createSubdirs);
};

namespace {

// Gives a folder entry's folder its time. Done after the files are in place, since writing a
// file into a folder changes the folder's time; a time that cannot be set is only cosmetic.
void ApplyFolderTime(const DestinationFolder& destination, const ZipEntry& entry) {
    auto time = ExtractedModifiedTime(entry);
    if (!time)
        return;
    try {
        UniqueFd folder = destination.OpenFolder(ParseEntryPath(entry.Header.FileName).Folders);
        timespec times[2] = {{static_cast<time_t>(*time), 0}, {static_cast<time_t>(*time), 0}};
        ::futimens(folder.Get(), times);
    } catch (const ZipError&) {
    }
}

} // namespace

void TZipFile::Impl::Load(const std::string& name,
                          const std::function<std::unique_ptr<ArchiveSource>()>& openSource) {
    archiveName = name;
    try {
        source = openSource();
        directory = ReadCentralDirectory(*source);
    } catch (const ZipError& e) {
        source.reset();
        directory = CentralDirectory();
        throw EZipException(name, "", e.what());
    }
    mode = zmRead;
}

const ZipEntry& TZipFile::Impl::EntryAt(int index) const {
    if (mode == zmClosed)
        throw EZipException(archiveName, "", "the archive is not open");
    if (index < 0 || static_cast<size_t>(index) >= directory.Entries.size())
        throw EZipException(archiveName, "",
                            "there is no entry number " + std::to_string(index) +
                                " (the archive has " + std::to_string(directory.Entries.size()) +
                                ")");
    return directory.Entries[static_cast<size_t>(index)];
}

bool TZipFile::Impl::ExtractEntry(TZipFile& owner, const ZipEntry& entry,
                                  const DestinationFolder& destination, bool createSubdirs) {
    const TZipHeader& header = entry.Header;
    if (IsSymbolicLinkEntry(header))
        throw ZipError("symbolic-link entries are not extracted");
    EntryPath path = ParseEntryPath(header.FileName);
    auto report = [&](uint64_t position) {
        if (owner.OnProgress)
            owner.OnProgress(&owner, header.FileName, header, position);
    };

    if (path.IsFolder) {
        if (createSubdirs)
            destination.OpenFolder(path.Folders);
        report(header.UncompressedSize);
        return true;
    }

    CheckSupported(header); // before anything is created
    const std::vector<std::string> noFolders;
    const std::vector<std::string>& folders = createSubdirs ? path.Folders : noFolders;
    std::string shown = JoinComponents(folders, folders.size());
    shown += (shown.empty() ? "" : "/") + path.Leaf;
    ReplacementFile output(destination.OpenFolder(folders), path.Leaf, shown,
                           ExtractedFileMode(header));
    if (!reader)
        reader = std::make_unique<EntryDataReader>();
    uint64_t written = 0;
    reader->Read(*source, header, directory.Start, [&](const uint8_t* data, size_t size) {
        output.Write(data, size);
        written += size;
        if (written < header.UncompressedSize)
            report(written);
    });
    output.Commit(ExtractedModifiedTime(entry));
    report(header.UncompressedSize);
    return false;
}

TZipFile::TZipFile() : impl_(std::make_unique<Impl>()) {}

TZipFile::~TZipFile() = default;

void TZipFile::Open(const std::filesystem::path& fileName, TZipMode mode) {
    Close();
    if (mode != zmRead)
        throw EZipException(fileName.string(), "", "only reading archives is supported");
    impl_->Load(fileName.string(), [&] { return OpenFileSource(fileName); });
}

void TZipFile::OpenMemory(std::vector<uint8_t> bytes, const std::string& displayName) {
    Close();
    impl_->Load(displayName, [&] { return MakeMemorySource(std::move(bytes)); });
}

void TZipFile::Close() {
    impl_->source.reset();
    impl_->directory = CentralDirectory();
    impl_->mode = zmClosed;
}

TZipMode TZipFile::Mode() const {
    return impl_->mode;
}

int TZipFile::FileCount() const {
    return static_cast<int>(impl_->directory.Entries.size());
}

const std::string& TZipFile::FileName(int index) const {
    return impl_->EntryAt(index).Header.FileName;
}

const TZipHeader& TZipFile::FileInfo(int index) const {
    return impl_->EntryAt(index).Header;
}

void TZipFile::Extract(int index, const std::filesystem::path& path, bool createSubdirs) {
    const ZipEntry& entry = impl_->EntryAt(index);
    try {
        DestinationFolder destination(path);
        if (impl_->ExtractEntry(*this, entry, destination, createSubdirs) && createSubdirs)
            ApplyFolderTime(destination, entry);
    } catch (const ZipError& e) {
        throw EZipException(impl_->archiveName, entry.Header.FileName, e.what());
    }
}

void TZipFile::ExtractAll(const std::filesystem::path& path) {
    if (impl_->mode == zmClosed)
        throw EZipException(impl_->archiveName, "", "the archive is not open");
    std::optional<DestinationFolder> destination;
    try {
        destination.emplace(path);
    } catch (const ZipError& e) {
        throw EZipException(impl_->archiveName, "", e.what());
    }
    std::vector<const ZipEntry*> folders;
    for (const ZipEntry& entry : impl_->directory.Entries) {
        try {
            if (impl_->ExtractEntry(*this, entry, *destination, true))
                folders.push_back(&entry);
        } catch (const ZipError& e) {
            throw EZipException(impl_->archiveName, entry.Header.FileName, e.what());
        }
    }
    for (const ZipEntry* folder : folders)
        ApplyFolderTime(*destination, *folder);
}

void TZipFile::ExtractZipFile(const std::filesystem::path& zipFileName,
                              const std::filesystem::path& path, TZipProgressEvent zipProgress) {
    TZipFile archive;
    archive.Open(zipFileName, zmRead);
    archive.OnProgress = std::move(zipProgress);
    archive.ExtractAll(path);
    archive.Close();
}

} // namespace zip
