#include "global_memory.h"

#include <platform/kernel.h>
#include <platform/memory.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

// Any non-null value will do: there is one heap, the C runtime's.
int gProcessHeap;

struct Block
{
    std::unique_ptr<unsigned char[]> bytes;
    SIZE_T size = 0;
    UINT locks = 0;
};

struct GlobalTable
{
    std::mutex mutex;
    std::unordered_map<HGLOBAL, std::unique_ptr<Block>> blocks;
};

// Never destroyed: blocks may be freed by threads ending during exit.
GlobalTable& Globals()
{
    static GlobalTable* table = new GlobalTable;
    return *table;
}

Block* FindBlock(GlobalTable& table, HGLOBAL handle)
{
    auto found = table.blocks.find(handle);
    if (found != table.blocks.end())
        return found->second.get();
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

}  // namespace

bool platform::detail::IsGlobalBlock(HGLOBAL block)
{
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    return table.blocks.count(block) != 0;
}

HGLOBAL platform::detail::GlobalBlockAt(const void* address)
{
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    for (const auto& [handle, block] : table.blocks)
        if (block->bytes.get() == address)
            return handle;
    return nullptr;
}

HANDLE GetProcessHeap()
{
    return &gProcessHeap;
}

LPVOID HeapAlloc(HANDLE, DWORD flags, SIZE_T bytes)
{
    // A request for 0 bytes still gets a distinct block.
    SIZE_T size = bytes == 0 ? 1 : bytes;
    void* memory = (flags & HEAP_ZERO_MEMORY) ? std::calloc(1, size) : std::malloc(size);
    if (!memory)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return memory;
}

BOOL HeapFree(HANDLE, DWORD, LPVOID memory)
{
    std::free(memory);
    return TRUE;
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    auto block = std::make_unique<Block>();
    block->bytes.reset(new (std::nothrow) unsigned char[bytes == 0 ? 1 : bytes]);
    if (!block->bytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    block->size = bytes;
    if (flags & GMEM_ZEROINIT)
        std::memset(block->bytes.get(), 0, bytes);
    HGLOBAL handle = (flags & GMEM_MOVEABLE) ? static_cast<HGLOBAL>(block.get()) : block->bytes.get();
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    table.blocks.emplace(handle, std::move(block));
    return handle;
}

LPVOID GlobalLock(HGLOBAL handle)
{
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    Block* block = FindBlock(table, handle);
    if (!block)
        return nullptr;
    ++block->locks;
    return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL handle)
{
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    Block* block = FindBlock(table, handle);
    if (!block)
        return FALSE;
    if (block->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--block->locks == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

SIZE_T GlobalSize(HGLOBAL handle)
{
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    Block* block = FindBlock(table, handle);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
    std::unique_ptr<Block> freed;  // released outside the table lock
    auto& table = Globals();
    std::lock_guard lock(table.mutex);
    auto found = table.blocks.find(handle);
    if (found == table.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return handle;
    }
    freed = std::move(found->second);
    table.blocks.erase(found);
    return nullptr;
}
