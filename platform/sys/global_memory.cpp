// Global memory handles: fixed blocks are their own handles; moveable blocks get a handle of
// their own and a lock count, and cannot be freed while locked.
#include "platform/sys/library.h"

#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

namespace sys {

namespace {

struct Block {
    std::unique_ptr<uint8_t[]> Data;
    size_t Size = 0;
    bool Moveable = false;
    unsigned Locks = 0;
};

struct HandleTable {
    std::mutex Lock;
    std::unordered_map<uintptr_t, Block> Blocks;
    // Moveable handles are odd numbers: no block address (always aligned) can equal one.
    uintptr_t NextHandle = 0x10001;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

} // namespace

HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes) {
    Block block;
    // Zero-filled always, which also satisfies GMEM_ZEROINIT; a zero-byte block still gets an
    // address of its own.
    block.Data.reset(new (std::nothrow) uint8_t[bytes == 0 ? 1 : bytes]());
    if (!block.Data)
        return nullptr;
    block.Size = bytes;
    block.Moveable = (flags & GMEM_MOVEABLE) != 0;
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    uintptr_t handle = reinterpret_cast<uintptr_t>(block.Data.get());
    if (block.Moveable) {
        handle = table.NextHandle;
        table.NextHandle += 2;
    }
    table.Blocks.emplace(handle, std::move(block));
    return reinterpret_cast<HGLOBAL>(handle);
}

void* GlobalLock(HGLOBAL handle) {
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    const auto it = table.Blocks.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.Blocks.end())
        return nullptr;
    if (it->second.Moveable)
        ++it->second.Locks;
    return it->second.Data.get();
}

bool GlobalUnlock(HGLOBAL handle) {
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    const auto it = table.Blocks.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.Blocks.end() || !it->second.Moveable || it->second.Locks == 0)
        return false;
    return --it->second.Locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    if (!handle)
        return nullptr;
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    const auto it = table.Blocks.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.Blocks.end() || it->second.Locks > 0)
        return handle; // failure: unknown, or still locked
    table.Blocks.erase(it);
    return nullptr;
}

size_t GlobalSize(HGLOBAL handle) {
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    const auto it = table.Blocks.find(reinterpret_cast<uintptr_t>(handle));
    return it == table.Blocks.end() ? 0 : it->second.Size;
}

} // namespace sys
