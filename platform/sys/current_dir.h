#pragma once
// The process's current folder, kept as a Windows path (internal to the platform).

namespace sys {

// Forgets the remembered current folder; it is taken from the host's again on next use.
void ForgetCurrentDir();

} // namespace sys
