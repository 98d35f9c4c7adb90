#include "global_memory.h"
#include "registry_file.h"

#include <platform/clipboard.h>

#include <map>
#include <mutex>

namespace {

struct Clipboard {
    std::mutex mutex;
    DWORD openBy = 0;  // thread id, 0 when closed
    std::map<UINT, HGLOBAL> blocks;
    std::map<std::string, UINT, platform::detail::CaseInsensitiveLess> formats;
    UINT nextFormat = 0xC000;
};

Clipboard& TheClipboard()
{
    static Clipboard* clipboard = new Clipboard;
    return *clipboard;
}

// Called with the lock held.
bool OpenHere(const Clipboard& clipboard)
{
    if (clipboard.openBy == GetCurrentThreadId()) return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

}  // namespace

UINT RegisterClipboardFormatA(LPCSTR formatName)
{
    if (!formatName || !*formatName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    auto [entry, added] = clipboard.formats.emplace(formatName, clipboard.nextFormat);
    if (added) {
        if (clipboard.nextFormat == 0xFFFF) {
            clipboard.formats.erase(entry);
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        ++clipboard.nextFormat;
    }
    return entry->second;
}

BOOL OpenClipboard(HWND)
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    DWORD self = GetCurrentThreadId();
    if (clipboard.openBy != 0 && clipboard.openBy != self) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    clipboard.openBy = self;
    return TRUE;
}

BOOL CloseClipboard()
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard)) return FALSE;
    clipboard.openBy = 0;
    return TRUE;
}

BOOL EmptyClipboard()
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard)) return FALSE;
    for (auto& [format, block] : clipboard.blocks) GlobalFree(block);
    clipboard.blocks.clear();
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE block)
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard)) return nullptr;
    // Only a block the clipboard can free is taken; delayed rendering does not exist here.
    if (format == 0 || !platform::detail::IsGlobalBlock(block)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HGLOBAL& held = clipboard.blocks[format];
    if (held && held != block) GlobalFree(held);
    held = block;
    return block;
}

HANDLE GetClipboardData(UINT format)
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard)) return nullptr;
    auto found = clipboard.blocks.find(format);
    return found == clipboard.blocks.end() ? nullptr : found->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    return clipboard.blocks.count(format) ? TRUE : FALSE;
}
