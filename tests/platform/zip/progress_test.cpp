// The progress event: positions grow chunk by chunk and reach the entry's uncompressed size
// exactly once, when the entry is complete and in place; the handler's own errors pass through.
#include "crafted_zip.h"
#include "zip_test_support.h"

#include "platform/zip/zip_file.h"

#include <gtest/gtest.h>
#include <random>

namespace zip_test {
namespace {

struct ProgressCall {
    void* sender;
    std::string fileName;
    uint64_t uncompressedSize;
    uint64_t position;
    bool fileComplete; // the target held all of its bytes when the call was made
};

std::string Noise(size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

class Progress : public ::testing::Test {
protected:
    void SetUp() override {
        CraftedEntry big; // several output chunks from both methods
        big.name = "data/big.bin";
        big.data = Noise(1100 * 1024);
        CraftedEntry stored = big;
        stored.name = "data/stored.bin";
        stored.method = 0;
        CraftedEntry empty;
        empty.name = "empty.txt";
        CraftedEntry folder;
        folder.name = "folder/";
        folder.method = 0;
        WriteFile(archive, CraftZip({big, stored, empty, folder}));
    }

    TempDir temp;
    fs::path archive = temp / "progress.zip";
    fs::path dest = temp / "dest";
    std::vector<ProgressCall> calls;

    zip::TZipProgressEvent Recorder() {
        return [this](void* sender, const std::string& fileName, const zip::TZipHeader& header,
                      uint64_t position) {
            std::error_code ec;
            auto onDisk = fs::file_size(dest / header.FileName, ec);
            bool complete = header.FileName.back() == '/'
                                ? fs::is_directory(dest / header.FileName)
                                : !ec && onDisk == header.UncompressedSize;
            calls.push_back({sender, fileName, header.UncompressedSize, position, complete});
        };
    }
};

TEST_F(Progress, EachEntryCountsUpToItsSizeOnceComplete) {
    zip::TZipFile::ExtractZipFile(archive, dest, Recorder());

    std::vector<std::string> order;
    for (size_t i = 0; i < calls.size();) {
        const std::string name = calls[i].fileName;
        order.push_back(name);
        uint64_t size = calls[i].uncompressedSize;
        uint64_t last = 0;
        size_t intermediate = 0;
        for (; i < calls.size() && calls[i].fileName == name; ++i) {
            EXPECT_NE(calls[i].sender, nullptr);
            if (calls[i].position == size)
                break;
            EXPECT_GT(calls[i].position, last) << name;
            EXPECT_LT(calls[i].position, size) << name;
            EXPECT_FALSE(calls[i].fileComplete) << name << " was in place before it was verified";
            last = calls[i].position;
            ++intermediate;
        }
        ASSERT_LT(i, calls.size()) << name << " never reached its size";
        EXPECT_TRUE(calls[i].fileComplete) << name;
        if (size > 512 * 1024)
            EXPECT_GE(intermediate, 2u) << name << " reported no progress while being written";
        else
            EXPECT_EQ(intermediate, 0u) << name;
        ++i;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"data/big.bin", "data/stored.bin", "empty.txt",
                                               "folder/"}));
}

TEST_F(Progress, MemberEventReportsTheArchiveAsSender) {
    zip::TZipFile zip;
    zip.Open(archive, zip::zmRead);
    zip.OnProgress = Recorder();
    zip.Extract(2, dest);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sender, &zip);
    EXPECT_EQ(calls[0].fileName, "empty.txt");
    EXPECT_EQ(calls[0].position, 0u);
    EXPECT_TRUE(calls[0].fileComplete);
}

TEST_F(Progress, ErrorOfTheHandlerPassesThroughAndLeavesNoPartialFile) {
    struct Cancelled {};
    WriteFile(dest / "data/big.bin", "previous version");
    int seen = 0;
    auto cancel = [&](void*, const std::string&, const zip::TZipHeader&, uint64_t) {
        if (++seen == 2)
            throw Cancelled{};
    };
    EXPECT_THROW(zip::TZipFile::ExtractZipFile(archive, dest, cancel), Cancelled);
    EXPECT_EQ(ReadFile(dest / "data/big.bin"), "previous version");
    EXPECT_EQ(ListTree(dest), "data/\ndata/big.bin\n");
}

} // namespace
} // namespace zip_test
