#pragma once
// Copies the rest of one open file onto the end of another, in chunks of the copy buffer's size.
#include <vector>

// The kernel copies the bytes itself where the file system allows it (no trip through the
// buffer); otherwise they go through buffer. Stops at the end of the source or at the first
// failed read or write: what was copied until then stays.
void AppendFileData(int source, int target, std::vector<char>& buffer);
