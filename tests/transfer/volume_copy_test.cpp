#include "transfer/volume_copy.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class VolumeCopy : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kx-volume-XXXXXX";
        root = mkdtemp(pattern);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(i * 7 + i / 251);
    }
    void TearDown() override { fs::remove_all(root); }
    std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path root;
    std::string data = std::string(100000, '\0');
};

TEST_F(VolumeCopy, AppendsAFileInBufferSizedChunksAfterWhatTheTargetHolds) {
    std::ofstream(root / "volume", std::ios::binary) << data;
    std::ofstream(root / "archive", std::ios::binary) << "head";
    const int source = ::open((root / "volume").c_str(), O_RDONLY);
    const int target = ::open((root / "archive").c_str(), O_WRONLY);
    ::lseek(target, 0, SEEK_END);
    std::vector<char> buffer(4096); // many chunks, the last one short
    AppendFileData(source, target, buffer);
    ::close(source);
    ::close(target);
    EXPECT_EQ(Read(root / "archive"), "head" + data);
}

TEST_F(VolumeCopy, ASourceTheKernelCannotCopyGoesThroughTheBuffer) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    std::thread writer([&] {
        for (size_t done = 0; done < data.size();)
            done += static_cast<size_t>(::write(pipeFds[1], data.data() + done,
                                                std::min<size_t>(3000, data.size() - done)));
        ::close(pipeFds[1]);
    });
    const int target = ::open((root / "archive").c_str(), O_WRONLY | O_CREAT, 0644);
    std::vector<char> buffer(8192);
    AppendFileData(pipeFds[0], target, buffer);
    writer.join();
    ::close(pipeFds[0]);
    ::close(target);
    EXPECT_EQ(Read(root / "archive"), data);
}

} // namespace
