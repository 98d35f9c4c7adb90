#pragma once
// Message queues, one per thread: posting, sending, retrieving and
// dispatching messages. A thread's queue exists from its first message call
// or the first post to it, whichever comes first.
//
// Retrieval order: messages sent from other threads are handled first, then
// posted messages (first in, first out), then input, then WM_QUIT once
// nothing else is posted, then WM_PAINT, then WM_TIMER. Text is never
// converted: the A and W forms behave alike.
#include <platform/types.h>

struct MSG
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYFIRST 0x0100
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_KEYLAST 0x0109
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_PAINT 0x000F
#define WM_MOUSEFIRST 0x0200
#define WM_MOUSELAST 0x020E
#define WM_USER 0x0400
#define WM_APP 0x8000

// PeekMessage options.
#define PM_NOREMOVE 0x0000u
#define PM_REMOVE 0x0001u

// Nonzero for a message other than WM_QUIT, 0 for WM_QUIT, -1 when the
// window filter is not a window of the calling thread. Blocks until a message comes.
BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
BOOL GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
// Never blocks.
BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg);
BOOL PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg);

// From any thread. A null window posts to the calling thread.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Calls the window's procedure at once on its own thread; from another
// thread, waits until the owner retrieves messages and has handled it.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Turns key presses into character messages once the display provides them.
BOOL TranslateMessage(const MSG* msg);
// The procedure's result; 0 for a thread message or a window that is gone.
LRESULT DispatchMessageA(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);
