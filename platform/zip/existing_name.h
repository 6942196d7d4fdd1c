#pragma once
// File names are matched without regard to case, as on Windows: an entry "BIN/TALVEN.EXE"
// replaces an installed "Bin/Talven.exe" instead of landing beside it.
#include <string>

namespace zip::detail {

// The spelling under which name already exists in the open folder, matched without regard to
// ASCII case; name itself when it exists exactly or nothing matches. When several spellings
// match, the smallest in byte order is taken, so the choice does not depend on the listing.
std::string ExistingSpelling(int folderFd, const std::string& name);

} // namespace zip::detail
