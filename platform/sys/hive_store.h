#pragma once
// Where the hive lives in the prefix and how it is kept on disk.
#include <filesystem>

namespace sys {

std::filesystem::path HiveFile(const std::filesystem::path& prefixRoot);     // system.reg
std::filesystem::path HiveLockFile(const std::filesystem::path& prefixRoot); // system.reg.lock
// Writes the hive of a new prefix (ProgramFilesDir) when the prefix has no system.reg yet.
void CreateDefaultHive(const std::filesystem::path& prefixRoot);

} // namespace sys
