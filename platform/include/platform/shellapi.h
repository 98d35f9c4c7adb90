#pragma once
// Files dropped on a window that accepts them: WM_DROPFILES carries an
// HDROP, a global block holding a DROPFILES header and the paths.
#include <platform/memory.h>
#include <platform/types.h>

#define WM_DROPFILES 0x0233u
#define WS_EX_ACCEPTFILES 0x00000010u

typedef HGLOBAL HDROP;

// The block's header; the paths follow at pFiles, each NUL-terminated,
// with one more NUL after the last. Four-byte fields, 20 bytes in all.
struct DROPFILES
{
    DWORD pFiles;  // offset of the first path from the start of the block
    POINT pt;      // where the drop happened, client coordinates of the receiver
    BOOL fNC;      // nonzero when the drop was outside the client area
    BOOL fWide;    // the paths are UTF-16 rather than 8-bit text
};
static_assert(sizeof(DROPFILES) == 20);

// Sets or clears WS_EX_ACCEPTFILES.
void DragAcceptFiles(HWND window, BOOL accept);
// With index 0xFFFFFFFF the number of files. Otherwise the path's length
// without its NUL; with a buffer, the path is copied (cut to fit, always
// NUL-terminated) and the answer is the number of characters copied.
// 0 for an index out of range or a block that is no drop.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size);
UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR buffer, UINT size);
// Frees the block.
void DragFinish(HDROP drop);
