#include "kit/media/media_builder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace kit {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

uint64_t SizeOf(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error)
        Fail(file.string() + ": " + error.message());
    return size;
}

// Copies length bytes of in from its current position into a new file out.
void CopyBytes(int in, const fs::path& source, const fs::path& out, uint64_t length) {
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        Fail(out.string() + ": cannot create: " + std::strerror(errno));
    std::vector<char> buffer(1 << 20);
    while (length > 0) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(length, buffer.size()));
        const ssize_t got = ::read(in, buffer.data(), want);
        if (got <= 0) {
            ::close(fd);
            Fail(source.string() + ": cannot read: " + std::strerror(errno));
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t n = ::write(fd, buffer.data() + done, static_cast<size_t>(got - done));
            if (n <= 0) {
                ::close(fd);
                Fail(out.string() + ": cannot write: " + std::strerror(errno));
            }
            done += n;
        }
        length -= static_cast<uint64_t>(got);
    }
    if (::close(fd) != 0)
        Fail(out.string() + ": cannot write: " + std::strerror(errno));
}

void CopyWhole(const fs::path& from, const fs::path& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        Fail(from.string() + ": cannot read: " + std::strerror(errno));
    try {
        CopyBytes(in, from, to, SizeOf(from));
    } catch (...) {
        ::close(in);
        throw;
    }
    ::close(in);
}

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush())
        Fail(file.string() + ": cannot write");
}

class DiskPlan {
public:
    DiskPlan(const MediaOptions& options) : options(options) {}

    // The disk (0-based) for the next volume of size bytes numbered number of component name.
    size_t Place(const std::string& name, uint64_t number, uint64_t size) {
        if (used.empty())
            used.push_back(reserved);
        if (options.SingleFolder) {
            if (number > 1 && DigitCount(number) != DigitCount(number - 1))
                Fail("component " + name + " needs more than " + std::to_string(number - 1) +
                     " volumes in one folder; the installer would "
                     "join them out of order: choose a larger --volume-size");
            return 0;
        }
        if (size > options.DiskSize)
            Fail("a volume of " + name + " (" + std::to_string(size) +
                 " bytes) does not fit on a disk of " + std::to_string(options.DiskSize) +
                 " bytes");
        size_t disk = used.size() - 1;
        const auto digits = digitsOnDisk.find({disk, name});
        const bool digitsAgree =
            digits == digitsOnDisk.end() || digits->second == DigitCount(number);
        if (used[disk] + size > options.DiskSize || !digitsAgree) {
            used.push_back(0);
            ++disk;
        }
        used[disk] += size;
        digitsOnDisk[{disk, name}] = DigitCount(number);
        return disk;
    }
    size_t DiskCount() const { return std::max<size_t>(used.size(), 1); }
    uint64_t reserved = 0; // bytes of disk 1 taken by the installer's own files

private:
    const MediaOptions& options;
    std::vector<uint64_t> used;
    std::map<std::pair<size_t, std::string>, int> digitsOnDisk;
};

} // namespace

int DigitCount(uint64_t n) {
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

MediaLayout BuildMedia(const std::vector<MediaComponent>& components, const MediaOptions& options) {
    if (options.VolumeSize == 0)
        Fail("the volume size must be at least one byte");
    if (!options.SingleFolder && options.DiskSize == 0)
        Fail("the disk size must be at least one byte");
    if (fs::exists(options.OutDir) && !fs::is_empty(options.OutDir))
        Fail(options.OutDir.string() + ": the output folder is not empty; nothing was written");

    const std::string config = "[General]\r\nNrDiscuri=";
    DiskPlan plan(options);
    plan.reserved = config.size() + 8 + (options.Installer ? SizeOf(*options.Installer) : 0) +
                    (options.Upgrade ? SizeOf(*options.Upgrade) : 0);

    // Plan every volume first, so an impossible layout writes nothing.
    struct Volume {
        size_t Component;
        uint64_t Number, Offset, Size;
        size_t Disk;
    };
    std::vector<Volume> volumes;
    for (size_t c = 0; c < components.size(); ++c) {
        const uint64_t size = SizeOf(components[c].Archive);
        uint64_t number = 1;
        for (uint64_t offset = 0; offset < size || number == 1; offset += options.VolumeSize) {
            const uint64_t length = std::min(options.VolumeSize, size - offset);
            volumes.push_back(
                {c, number, offset, length, plan.Place(components[c].Name, number, length)});
            ++number;
            if (size == 0)
                break;
        }
    }

    MediaLayout layout;
    for (size_t d = 0; d < plan.DiskCount(); ++d) {
        layout.Disks.push_back(options.SingleFolder
                                   ? options.OutDir
                                   : options.OutDir / ("DISK" + std::to_string(d + 1)));
        fs::create_directories(layout.Disks.back());
        const std::string marker = "DISK" + std::to_string(d + 1);
        WriteText(layout.Disks.back() / marker, "");
        layout.DiskFiles.push_back({marker});
    }
    auto& first = layout.DiskFiles[0];
    WriteText(layout.Disks[0] / "INSTALL.CFG", config + std::to_string(plan.DiskCount()) + "\r\n");
    first.push_back("INSTALL.CFG");
    if (options.Installer) {
        CopyWhole(*options.Installer, layout.Disks[0] / "INSTALL.EXE");
        fs::permissions(layout.Disks[0] / "INSTALL.EXE",
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add);
        first.push_back("INSTALL.EXE");
    }
    if (options.Upgrade) {
        CopyWhole(*options.Upgrade, layout.Disks[0] / "UPGRADE.1");
        first.push_back("UPGRADE.1");
    }

    int in = -1;
    size_t open = components.size();
    for (const Volume& v : volumes) {
        const MediaComponent& component = components[v.Component];
        if (open != v.Component) {
            if (in >= 0)
                ::close(in);
            in = ::open(component.Archive.c_str(), O_RDONLY | O_CLOEXEC);
            if (in < 0)
                Fail(component.Archive.string() + ": cannot read: " + std::strerror(errno));
            open = v.Component;
        }
        const std::string name = component.Name + "." + std::to_string(v.Number);
        try {
            CopyBytes(in, component.Archive, layout.Disks[v.Disk] / name, v.Size);
        } catch (...) {
            ::close(in);
            throw;
        }
        layout.DiskFiles[v.Disk].push_back(name);
    }
    if (in >= 0)
        ::close(in);
    return layout;
}

} // namespace kit
