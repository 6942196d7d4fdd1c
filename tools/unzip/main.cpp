// kestrix-unzip ARCHIVE DEST: extracts one archive with the platform's zip reader, exactly as
// the installer's copy screens do. Exit status 0 on success; otherwise one line on standard
// error and a non-zero status.
#include "platform/zip/zip_file.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kestrix-unzip ARCHIVE DEST\n");
        return 2;
    }
    try {
        zip::TZipFile::ExtractZipFile(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrix-unzip: %s\n", e.what());
        return 1;
    }
    return 0;
}
