// The main of the test programs without windows: tests that start the built programs find them
// through KX_BIN_DIR (and the repository through KX_SOURCE_DIR), which this build fills in when
// the caller has not set them.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("KX_BIN_DIR", KX_DEFAULT_BIN_DIR, 0);
    setenv("KX_SOURCE_DIR", KX_DEFAULT_SOURCE_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
