#pragma once
// An EDIT control's text on the clipboard.
#include <platform/types.h>

#include <string>

namespace platform::dialogs {

// Replaces what the clipboard holds with the text as CF_UNICODETEXT and CF_TEXT.
void PutClipboardText(HWND owner, const std::u16string& text);
// CF_UNICODETEXT, else CF_TEXT; empty when the clipboard holds neither or is busy.
std::u16string ClipboardText(HWND owner);

}  // namespace platform::dialogs
