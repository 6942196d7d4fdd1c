#pragma once
// Creation of a prefix's default contents.
#include <filesystem>

namespace sys {

// Creates what is missing of a prefix at root: drives.ini, the folders of drive C:, the hive with
// its ProgramFilesDir value, win.ini, and the regedit stand-in in the Windows folder. Runs under
// the prefix's lock, so that processes starting together on a new prefix do not collide.
void CreatePrefixDefaults(const std::filesystem::path& root);

// The built regedit stand-in: beside the running executable, else in $KX_BIN_DIR.
std::filesystem::path FindBuiltRegedit();

} // namespace sys
