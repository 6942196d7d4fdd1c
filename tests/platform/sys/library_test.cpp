#include "platform/sys/files.h"
#include "platform/sys/library.h"
#include "sys_fixture.h"

#include <cmath>
#include <cstring>
#include <dlfcn.h>

namespace fs = std::filesystem;
using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

// A real shared object to stand in for an upgrade library: the host's maths library.
fs::path HostMathLibrary() {
    Dl_info info{};
    double (*cosine)(double) = std::cos;
    dladdr(reinterpret_cast<void*>(cosine), &info);
    return info.dli_fname;
}

} // namespace

TEST_F(PrefixTest, LibrariesLoadByWindowsPathWithoutRegardToCase) {
    fs::create_directories(prefix.C("Kesvard"));
    fs::copy_file(HostMathLibrary(), prefix.C("Kesvard/UPGRADE.DLL"));
    sys::HMODULE module = sys::LoadLibrary("c:\\kesvard\\upgrade.dll");
    ASSERT_NE(module, nullptr) << sys::LastLibraryError();
    auto cosine = reinterpret_cast<double (*)(double)>(sys::GetProcAddress(module, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(sys::GetProcAddress(module, "DoStructureUpgrade"), nullptr);
    EXPECT_NE(sys::LastLibraryError().find("DoStructureUpgrade"), std::string::npos);
    EXPECT_TRUE(sys::FreeLibrary(module));

    sys::ChDir("C:\\Kesvard");
    module = sys::LoadLibrary("Upgrade.Dll"); // a bare name: the current folder is searched
    ASSERT_NE(module, nullptr) << sys::LastLibraryError();
    EXPECT_TRUE(sys::FreeLibrary(module));
}

TEST_F(PrefixTest, LibrariesThatCannotLoadSayWhy) {
    TempPrefix::Write(prefix.C("Kesvard/BROKEN.DLL"), "MZ not an ELF object");
    const struct {
        const char* path;
        const char* reason;
    } cases[] = {
        {"C:\\Kesvard\\MISSING.DLL", "MISSING.DLL"},
        {"C:\\Kesvard\\BROKEN.DLL", "BROKEN.DLL"},
        {"C:\\Kesvard", "C:\\Kesvard"},
        {"Q:\\UPGRADE.DLL", "Q:\\UPGRADE.DLL"},
        {"", "library"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sys::LoadLibrary(c.path), nullptr) << c.path;
        EXPECT_NE(sys::LastLibraryError().find(c.reason), std::string::npos)
            << c.path << ": " << sys::LastLibraryError();
    }
    EXPECT_EQ(sys::GetProcAddress(nullptr, "x"), nullptr);
    EXPECT_FALSE(sys::FreeLibrary(nullptr));
}

TEST(GlobalMemory, MoveableBlocksCountTheirLocks) {
    sys::HGLOBAL block = sys::GlobalAlloc(sys::GMEM_MOVEABLE | sys::GMEM_ZEROINIT, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(sys::GlobalSize(block), 64u);
    auto* text = static_cast<char*>(sys::GlobalLock(block));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], 0);
    std::strcpy(text, "Actualizare structuri...");
    EXPECT_EQ(sys::GlobalLock(block), text);  // locked twice
    EXPECT_EQ(sys::GlobalFree(block), block); // locked: not freed
    EXPECT_TRUE(sys::GlobalUnlock(block));    // still locked once
    EXPECT_STREQ(static_cast<char*>(sys::GlobalLock(block)), "Actualizare structuri...");
    EXPECT_TRUE(sys::GlobalUnlock(block));
    EXPECT_FALSE(sys::GlobalUnlock(block)); // now unlocked
    EXPECT_FALSE(sys::GlobalUnlock(block)); // no lock to take away
    EXPECT_EQ(sys::GlobalFree(block), nullptr);
    // A freed handle is unknown from then on.
    EXPECT_EQ(sys::GlobalLock(block), nullptr);
    EXPECT_EQ(sys::GlobalSize(block), 0u);
    EXPECT_EQ(sys::GlobalFree(block), block);
}

TEST(GlobalMemory, FixedBlocksAreTheirOwnAddress) {
    sys::HGLOBAL block = sys::GlobalAlloc(sys::GMEM_FIXED, 16);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(sys::GlobalLock(block), block);
    EXPECT_FALSE(sys::GlobalUnlock(block));
    EXPECT_EQ(sys::GlobalFree(block), nullptr);
    sys::HGLOBAL empty = sys::GlobalAlloc(sys::GMEM_MOVEABLE, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(sys::GlobalSize(empty), 0u);
    EXPECT_EQ(sys::GlobalFree(empty), nullptr);
    int unknown = 0;
    EXPECT_EQ(sys::GlobalLock(&unknown), nullptr);
    EXPECT_EQ(sys::GlobalFree(&unknown), &unknown);
    EXPECT_EQ(sys::GlobalAlloc(sys::GMEM_MOVEABLE, SIZE_MAX / 2), nullptr);
}
