// The in-process clipboard. Text formats are also linked to the desktop's
// clipboard when the desktop display runs on this thread.
#include "clipboard_text.h"
#include "display/backend.h"
#include "display/text.h"
#include "global_memory.h"
#include "registry_file.h"
#include "utf16.h"

#include <platform/clipboard.h>

#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace {

using namespace platform::detail;

struct Clipboard
{
    std::mutex mutex;
    DWORD openBy = 0;  // thread id, 0 when closed
    std::map<UINT, HGLOBAL> blocks;
    std::map<std::string, UINT, platform::detail::CaseInsensitiveLess> formats;
    UINT nextFormat = 0xC000;
    bool textSet = false;  // since the clipboard was opened
};

Clipboard& TheClipboard()
{
    static Clipboard* clipboard = new Clipboard;
    return *clipboard;
}

// Called with the lock held.
bool OpenHere(const Clipboard& clipboard)
{
    if (clipboard.openBy == GetCurrentThreadId())
        return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

// Called with the lock held.
void Replace(Clipboard& clipboard, UINT format, HGLOBAL block)
{
    HGLOBAL& held = clipboard.blocks[format];
    if (held && held != block)
        GlobalFree(held);
    held = block;
}

// Text another program put on the desktop clipboard since this process last
// put or took one; the desktop is asked only from the display's thread.
std::optional<std::string> NewerDesktopText()
{
    return OnDisplayThread() ? Display().TakeNewerClipboardText() : std::nullopt;
}

// Newer desktop text replaces the text formats held here.
void AdoptDesktopText(Clipboard& clipboard)
{
    std::optional<std::string> newer = NewerDesktopText();
    if (!newer)
        return;
    const std::u16string text = Utf8ToUtf16(newer->c_str());
    std::lock_guard lock(clipboard.mutex);
    for (UINT format : {CF_UNICODETEXT, CF_TEXT})
        if (HGLOBAL block = MakeTextBlock(format, text))
            Replace(clipboard, format, block);
}

// The text set while the clipboard was open goes to the desktop as well.
void PushTextToDesktop(Clipboard& clipboard)
{
    std::u16string text;
    {
        std::lock_guard lock(clipboard.mutex);
        if (!std::exchange(clipboard.textSet, false))
            return;
        for (UINT format : {CF_TEXT, CF_UNICODETEXT})
            if (auto found = clipboard.blocks.find(format); found != clipboard.blocks.end())
                text = ReadTextBlock(format, found->second);
    }
    if (OnDisplayThread())
        Display().PutClipboardText(platform::Utf16ToUtf8(text.c_str()));
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
    clipboard.textSet = false;
    return TRUE;
}

BOOL CloseClipboard()
{
    auto& clipboard = TheClipboard();
    {
        std::lock_guard lock(clipboard.mutex);
        if (!OpenHere(clipboard))
            return FALSE;
        clipboard.openBy = 0;
    }
    PushTextToDesktop(clipboard);
    return TRUE;
}

BOOL EmptyClipboard()
{
    auto& clipboard = TheClipboard();
    {
        std::lock_guard lock(clipboard.mutex);
        if (!OpenHere(clipboard))
            return FALSE;
        for (auto& [format, block] : clipboard.blocks)
            GlobalFree(block);
        clipboard.blocks.clear();
    }
    NewerDesktopText();  // what the desktop held is older than what comes now
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE block)
{
    auto& clipboard = TheClipboard();
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard))
        return nullptr;
    // Only a block the clipboard can free is taken; delayed rendering does not exist here.
    if (format == 0 || !platform::detail::IsGlobalBlock(block)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Replace(clipboard, format, block);
    if (IsTextFormat(format))
        clipboard.textSet = true;
    return block;
}

HANDLE GetClipboardData(UINT format)
{
    auto& clipboard = TheClipboard();
    if (IsTextFormat(format))
        AdoptDesktopText(clipboard);
    std::lock_guard lock(clipboard.mutex);
    if (!OpenHere(clipboard))
        return nullptr;
    auto found = clipboard.blocks.find(format);
    return found == clipboard.blocks.end() ? nullptr : found->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    auto& clipboard = TheClipboard();
    if (IsTextFormat(format))
        AdoptDesktopText(clipboard);
    std::lock_guard lock(clipboard.mutex);
    return clipboard.blocks.count(format) ? TRUE : FALSE;
}
