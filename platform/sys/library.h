#pragma once
// Dynamic libraries by Windows path (ELF shared objects keeping their Windows names), and global
// memory handles.
#include <cstddef>
#include <cstdint>
#include <string>

namespace sys {

using HMODULE = void*;
// nullptr when the file is missing or cannot be loaded; LastLibraryError() tells why.
HMODULE LoadLibrary(const std::string& windowsPath);
void* GetProcAddress(HMODULE module, const std::string& name);
bool FreeLibrary(HMODULE module);
std::string LastLibraryError();

using HGLOBAL = void*;
constexpr uint32_t GMEM_FIXED = 0x0000;
constexpr uint32_t GMEM_MOVEABLE = 0x0002;
constexpr uint32_t GMEM_ZEROINIT = 0x0040;
HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes); // nullptr when it fails
void* GlobalLock(HGLOBAL handle);                  // nullptr for an invalid handle
bool GlobalUnlock(HGLOBAL handle);                 // false when the lock count reaches 0
HGLOBAL GlobalFree(HGLOBAL handle);                // nullptr on success
size_t GlobalSize(HGLOBAL handle);

} // namespace sys
