#include "edit_clipboard.h"

#include "../clipboard_text.h"

namespace platform::dialogs {

void PutClipboardText(HWND owner, const std::u16string& text)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    for (UINT format : {CF_UNICODETEXT, CF_TEXT}) {
        HGLOBAL block = detail::MakeTextBlock(format, text);
        if (block && !SetClipboardData(format, block))
            GlobalFree(block);
    }
    CloseClipboard();
}

std::u16string ClipboardText(HWND owner)
{
    if (!OpenClipboard(owner))
        return {};
    std::u16string text;
    for (UINT format : {CF_UNICODETEXT, CF_TEXT}) {
        if (HANDLE block = GetClipboardData(format)) {
            text = detail::ReadTextBlock(format, block);
            break;
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace platform::dialogs
