#pragma once
// Private binary formats on the clipboard: formats are registered by name,
// and copy and paste move fixed-size byte blocks between Open and Close.
#include <platform/types.h>

class CHfcClipboard
{
public:
    virtual ~CHfcClipboard() = default;

    // The same name gives the same number; 0 when registration failed.
    static UINT RegisterFormat(const char* name);
    static bool Open(HWND owner);
    static bool Close();
    static bool IsFormatAvailable(UINT format);

    // Copies size bytes of the clipboard's block into the buffer. A missing
    // block, or one smaller than size, is refused and the buffer left as it was.
    static bool GetData(UINT format, void* buffer, int size);
    // The size of the clipboard's block of the format; -1 when it has none.
    static int GetDataSize(UINT format);
    // Hands a copy of the bytes to the clipboard, which then owns it.
    static bool SetData(UINT format, const void* bytes, int size);
};
