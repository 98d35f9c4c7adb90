// Window texts through WM_SETTEXT and WM_GETTEXT, in the window's own kind of text.
#include "../utf16.h"
#include "text.h"

#include "../window_table.h"

#include <platform/display.h>

#include <algorithm>
#include <vector>

using namespace platform::detail;

namespace {

bool IsUnicode(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && window->unicode;
}

std::u16string TextOf(HWND handle)
{
    if (IsUnicode(handle)) {
        auto length = SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0);
        std::vector<char16_t> buffer(static_cast<size_t>(length) + 1);
        SendMessageW(handle, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
        return buffer.data();
    }
    auto length = SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    SendMessageA(handle, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return Utf8ToUtf16(buffer.data());
}

template <class Char>
int CopyOut(const std::basic_string<Char>& text, Char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int count = std::min(static_cast<int>(text.size()), size - 1);
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = 0;
    return count;
}

}  // namespace

BOOL SetWindowTextA(HWND handle, LPCSTR text)
{
    if (!IsWindow(handle))
        return FALSE;
    if (!IsUnicode(handle))
        return SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
    std::u16string wide = Utf8ToUtf16(text);
    return SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? wide.c_str() : nullptr)) ? TRUE : FALSE;
}

BOOL SetWindowTextW(HWND handle, LPCWSTR text)
{
    if (!IsWindow(handle))
        return FALSE;
    if (IsUnicode(handle))
        return SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
    std::string narrow = text ? platform::Utf16ToUtf8(text) : std::string();
    return SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? narrow.c_str() : nullptr)) ? TRUE
                                                                                                          : FALSE;
}

int GetWindowTextA(HWND handle, LPSTR buffer, int size)
{
    if (!IsWindow(handle))
        return 0;
    if (!IsUnicode(handle))
        return buffer && size > 0
                   ? static_cast<int>(SendMessageA(handle, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)))
                   : 0;
    return CopyOut(platform::Utf16ToUtf8(TextOf(handle).c_str()), buffer, size);
}

int GetWindowTextW(HWND handle, LPWSTR buffer, int size)
{
    if (!IsWindow(handle))
        return 0;
    if (IsUnicode(handle))
        return buffer && size > 0
                   ? static_cast<int>(SendMessageW(handle, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)))
                   : 0;
    return CopyOut(TextOf(handle), buffer, size);
}

int GetWindowTextLengthA(HWND handle)
{
    if (!IsWindow(handle))
        return 0;
    if (!IsUnicode(handle))
        return static_cast<int>(SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0));
    return static_cast<int>(platform::Utf16ToUtf8(TextOf(handle).c_str()).size());
}

int GetWindowTextLengthW(HWND handle)
{
    if (!IsWindow(handle))
        return 0;
    if (IsUnicode(handle))
        return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
    return static_cast<int>(TextOf(handle).size());
}
