#include "kit/media/media_builder.h"
#include "kit/media/zip_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class Scratch : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kx-kit-XXXXXX";
        root = mkdtemp(pattern);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path File(const std::string& name, size_t size, unsigned seed = 1) {
        fs::path path = root / name;
        fs::create_directories(path.parent_path());
        std::mt19937 random(seed);
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path root;
};

using MediaBuilder = Scratch;

TEST_F(MediaBuilder, VolumesFillDisksInOrderAndJoinBackToTheArchive) {
    const auto exe = File("EXE.zip", 2500);
    const auto help = File("HELP.zip", 700, 2);
    kit::MediaOptions options;
    options.OutDir = root / "media";
    options.VolumeSize = 1000;
    options.DiskSize = 2000;
    options.Upgrade = File("upgrade.zip", 10, 3);
    const auto layout = kit::BuildMedia({{"EXE", exe}, {"HELP", help}}, options);

    // Disk 1 holds the configuration and the upgrade archive (34 bytes), so EXE.1 and EXE.2 do
    // not both fit on it.
    const std::vector<std::vector<std::string>> expected = {
        {"DISK1", "INSTALL.CFG", "UPGRADE.1", "EXE.1"},
        {"DISK2", "EXE.2", "EXE.3"},
        {"DISK3", "HELP.1"}};
    EXPECT_EQ(layout.DiskFiles, expected);
    EXPECT_EQ(Read(options.OutDir / "DISK1" / "INSTALL.CFG"), "[General]\r\nNrDiscuri=3\r\n");
    EXPECT_TRUE(fs::exists(options.OutDir / "DISK3" / "DISK3"));
    EXPECT_EQ(Read(options.OutDir / "DISK1" / "EXE.1") + Read(options.OutDir / "DISK2" / "EXE.2") +
                  Read(options.OutDir / "DISK2" / "EXE.3"),
              Read(exe));
    EXPECT_EQ(Read(options.OutDir / "DISK3" / "HELP.1"), Read(help));
}

TEST_F(MediaBuilder, NeverPutsVolumesThatWouldJoinOutOfOrderOnOneDisk) {
    // Twelve volumes: on one disk NAME.10 would sort before NAME.9, so .10 starts a new disk.
    const auto exe = File("EXE.zip", 1200);
    kit::MediaOptions options;
    options.OutDir = root / "media";
    options.VolumeSize = 100;
    options.DiskSize = 100000;
    const auto layout = kit::BuildMedia({{"EXE", exe}}, options);
    ASSERT_EQ(layout.DiskFiles.size(), 2u);
    EXPECT_EQ(layout.DiskFiles[0].back(), "EXE.9");
    EXPECT_EQ(layout.DiskFiles[1],
              (std::vector<std::string>{"DISK2", "EXE.10", "EXE.11", "EXE.12"}));

    options.OutDir = root / "single";
    options.SingleFolder = true;
    EXPECT_THROW(kit::BuildMedia({{"EXE", exe}}, options), std::runtime_error);
    EXPECT_FALSE(fs::exists(options.OutDir)) << "an impossible layout writes nothing";
}

TEST_F(MediaBuilder, RefusesWithoutWritingAnything) {
    const auto exe = File("EXE.zip", 3000);
    kit::MediaOptions options;
    options.OutDir = root / "media";
    options.VolumeSize = 3000;
    options.DiskSize = 2000;
    EXPECT_THROW(kit::BuildMedia({{"EXE", exe}}, options), std::runtime_error);
    EXPECT_FALSE(fs::exists(options.OutDir));

    File("media/keep.txt", 5);
    options.DiskSize = 5000;
    EXPECT_THROW(kit::BuildMedia({{"EXE", exe}}, options), std::runtime_error);
    EXPECT_EQ(fs::file_size(root / "media" / "keep.txt"), 5u);
    EXPECT_FALSE(fs::exists(root / "media" / "DISK1"));

    options.OutDir = root / "other";
    EXPECT_THROW(kit::BuildMedia({{"EXE", root / "missing.zip"}}, options), std::runtime_error);
}

using ZipWriterTest = Scratch;

TEST_F(ZipWriterTest, ATreeZipsToWhatUnzipExtractsByteForByte) {
    File("tree/a.bin", 300000, 4);
    File("tree/sub/deeper/b.txt", 10, 5);
    File("tree/empty.txt", 0);
    File("tree/Sp\xc3\xa2" "ce name.txt", 20, 6); // a UTF-8 name
    fs::create_directories(root / "tree" / "emptydir");
    kit::ZipWriter writer(root / "out.zip");
    writer.AddTree(root / "tree");
    writer.Finish();
    const std::string command =
        "cd '" + root.string() + "' && mkdir x && cd x && unzip -q ../out.zip && diff -r . ../tree";
    if (std::system("command -v unzip >/dev/null") != 0)
        GTEST_SKIP() << "unzip is not installed";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(std::system(("unzip -tq '" + (root / "out.zip").string() + "' >/dev/null").c_str()),
              0);
}

} // namespace
