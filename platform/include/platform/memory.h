#pragma once
// The process heap and global memory blocks (the blocks that the clipboard
// and drag and drop hand over).
#include <platform/types.h>

#define HEAP_ZERO_MEMORY 0x00000008u

HANDLE GetProcessHeap();
LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID memory);

#define GMEM_FIXED 0x0000u
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// A fixed block's handle is its address; a movable block is reached through
// GlobalLock. Unknown handles fail (NULL, 0 or the handle back) without crashing.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL block);
// Nonzero while the block stays locked; 0 once the last lock is gone.
BOOL GlobalUnlock(HGLOBAL block);
SIZE_T GlobalSize(HGLOBAL block);
// NULL on success, the handle itself on failure.
HGLOBAL GlobalFree(HGLOBAL block);
