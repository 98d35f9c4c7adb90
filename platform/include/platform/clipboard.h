#pragma once
// The clipboard: blocks of global memory by format, kept in this process.
// Registered format numbers are shared with drag and drop.
#include <platform/kernel.h>
#include <platform/memory.h>

#define CF_TEXT 1u
#define CF_UNICODETEXT 13u
#define CF_HDROP 15u

#define ERROR_CLIPBOARD_NOT_OPEN 1418L

// The same name (in any case) always gives the same number, from 0xC000 up;
// 0 for an empty name.
UINT RegisterClipboardFormatA(LPCSTR formatName);

// One thread at a time has the clipboard open.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
// Frees every block the clipboard holds.
BOOL EmptyClipboard();
// On success the clipboard owns the block (freeing the one it replaces) and
// returns it; on failure NULL, and the block stays the caller's.
HANDLE SetClipboardData(UINT format, HANDLE block);
// The clipboard keeps the block; NULL when it holds nothing of the format.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
