#include "framework/services/HfcClipboard.h"

#include "framework/services/EfTrace.h"

#include <platform/clipboard.h>

#include <cstring>

UINT CHfcClipboard::RegisterFormat(const char* name)
{
    return name != nullptr ? RegisterClipboardFormatA(name) : 0;
}

bool CHfcClipboard::Open(HWND owner)
{
    return OpenClipboard(owner) != FALSE;
}

bool CHfcClipboard::Close()
{
    return CloseClipboard() != FALSE;
}

bool CHfcClipboard::IsFormatAvailable(UINT format)
{
    return IsClipboardFormatAvailable(format) != FALSE;
}

bool CHfcClipboard::GetData(UINT format, void* buffer, int size)
{
    try {
        if (buffer == nullptr || size < 0)
            throw "Invalid buffer.";
        HANDLE block = GetClipboardData(format);
        if (block == nullptr)
            throw "Failed to get a handle.";
        // Another program may have put a shorter block under the same name.
        if (GlobalSize(block) < static_cast<SIZE_T>(size))
            throw "The clipboard's data is too short.";
        const void* bytes = GlobalLock(block);
        if (bytes == nullptr)
            throw "Failed to lock a handle.";
        std::memcpy(buffer, bytes, static_cast<std::size_t>(size));
        GlobalUnlock(block);
        return true;
    } catch (const char* failure) {
        EfTrace("CHfcClipboard::GetData() - %s", failure);
        return false;
    }
}

int CHfcClipboard::GetDataSize(UINT format)
{
    HANDLE block = GetClipboardData(format);
    return block != nullptr ? static_cast<int>(GlobalSize(block)) : -1;
}

bool CHfcClipboard::SetData(UINT format, const void* bytes, int size)
{
    HGLOBAL block = nullptr;
    try {
        if ((bytes == nullptr && size > 0) || size < 0)
            throw "Invalid data.";
        block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
        if (block == nullptr)
            throw "Failed to allocate memory...";
        void* target = GlobalLock(block);
        if (target == nullptr)
            throw "Failed to lock a handle...";
        if (size > 0)
            std::memcpy(target, bytes, static_cast<std::size_t>(size));
        GlobalUnlock(block);
        if (SetClipboardData(format, block) == nullptr)
            throw "Failed to set data to clipboard...";
        return true;
    } catch (const char* failure) {
        EfTrace("CHfcClipboard::SetData() - %s", failure);
        if (block != nullptr)
            GlobalFree(block);
        return false;
    }
}
