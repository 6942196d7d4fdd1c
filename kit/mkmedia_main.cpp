// kestrix-mkmedia: builds installation media from a product's component archives or folders.
#include "kit/media/media_builder.h"
#include "kit/media/zip_writer.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const Usage = R"(Usage: kestrix-mkmedia --out DIR [options] NAME=PATH...

Builds the installation media of the product: every component NAME=PATH (PATH is a zip archive,
or a folder that is zipped first) is cut into numbered volumes NAME.1, NAME.2, ... that fill the
disk folders DIR/DISK1, DIR/DISK2, ... in the order given. Each disk folder carries its marker
file DISKn; the first one also INSTALL.CFG ([General] NrDiscuri = the number of disks), and
INSTALL.EXE and UPGRADE.1 when given. Nothing is written when DIR is not empty or the layout is
impossible.

Options:
  --out DIR            the media folder to create (missing or empty)
  --volume-size SIZE   at most SIZE bytes per volume (default 1457664, a 1.44 MB diskette);
                       SIZE may end in K or M (1024-based)
  --disk-size SIZE     capacity of one disk folder (default 1457664)
  --single-folder      put everything into DIR itself as one disk (a CD or a network folder)
  --installer FILE     the installer, copied to disk 1 as INSTALL.EXE
  --upgrade PATH       the upgrade archive (a zip, or a folder zipped first), copied to disk 1
                       as UPGRADE.1
  --level N            Deflate level 0-9 for folders zipped here (default 6)
  --help               this text

Component names are upper case, as the installer's component table spells them: EXE, VORNEXA,
DBDAT, DBNEW, BDE32, HELP, PLUMETA.
)";

uint64_t ParseSize(const std::string& text) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    std::string unit(end);
    if (end == text.c_str() || (unit != "" && unit != "K" && unit != "M"))
        throw std::runtime_error("not a size: " + text);
    return value * (unit == "K" ? 1024 : unit == "M" ? 1024 * 1024 : 1);
}

// A folder is zipped into the scratch folder first; an archive is used as it is.
fs::path ArchiveOf(const fs::path& path, const fs::path& scratch, const std::string& name,
                   int level) {
    if (!fs::is_directory(path)) {
        if (!fs::is_regular_file(path))
            throw std::runtime_error(path.string() + ": no such file or folder");
        return path;
    }
    const fs::path archive = scratch / (name + ".zip");
    kit::ZipWriter writer(archive, level);
    writer.AddTree(path);
    writer.Finish();
    return archive;
}

} // namespace

int main(int argc, char** argv) {
    kit::MediaOptions options;
    std::vector<std::pair<std::string, fs::path>> sources;
    std::optional<fs::path> upgrade;
    int level = 6;
    fs::path scratch;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            auto value = [&]() -> std::string {
                if (i + 1 >= argc)
                    throw std::runtime_error(arg + " needs a value");
                return argv[++i];
            };
            if (arg == "--help" || arg == "-h") {
                std::cout << Usage;
                return 0;
            } else if (arg == "--out") {
                options.OutDir = value();
            } else if (arg == "--volume-size") {
                options.VolumeSize = ParseSize(value());
            } else if (arg == "--disk-size") {
                options.DiskSize = ParseSize(value());
            } else if (arg == "--single-folder") {
                options.SingleFolder = true;
            } else if (arg == "--installer") {
                options.Installer = fs::path(value());
            } else if (arg == "--upgrade") {
                upgrade = fs::path(value());
            } else if (arg == "--level") {
                level = std::stoi(value());
            } else if (arg.find('=') != std::string::npos && arg[0] != '-') {
                const auto eq = arg.find('=');
                sources.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
            } else {
                throw std::runtime_error("unknown argument: " + arg);
            }
        }
        if (options.OutDir.empty() || sources.empty())
            throw std::runtime_error("give --out and at least one NAME=PATH (see --help)");

        char pattern[] = "/tmp/kestrix-mkmedia-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("cannot make a scratch folder");
        scratch = pattern;
        std::vector<kit::MediaComponent> components;
        for (const auto& [name, path] : sources)
            components.push_back({name, ArchiveOf(path, scratch, name, level)});
        if (upgrade)
            options.Upgrade = ArchiveOf(*upgrade, scratch, "UPGRADE", level);
        const auto layout = kit::BuildMedia(components, options);
        for (size_t d = 0; d < layout.Disks.size(); ++d) {
            std::cout << layout.Disks[d].string() << ":";
            for (const auto& file : layout.DiskFiles[d])
                std::cout << " " << file;
            std::cout << "\n";
        }
        fs::remove_all(scratch);
        return 0;
    } catch (const std::exception& error) {
        if (!scratch.empty())
            fs::remove_all(scratch);
        std::cerr << "kestrix-mkmedia: " << error.what() << "\n";
        return 1;
    }
}
