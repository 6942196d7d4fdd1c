#pragma once
// The prefix's switch for the built-in DDE servers: <prefix>/dde.ini
//   [ProgMan]
//   Enabled=0
// turns the Program Manager server off, so that opening a conversation with "ProgMan" fails
// (a machine without a shell that answers Program Manager's DDE). A missing file, section or
// value leaves the server on; any number other than 0 means on.
#include <filesystem>
#include <string>

namespace dde {

constexpr const char* DdeSettingsFile = "dde.ini";

bool IsDdeServerEnabled(const std::filesystem::path& prefixRoot, const std::string& service);

} // namespace dde
