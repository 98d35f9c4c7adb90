#pragma once
// Window classes and windows without a display: creation and destruction
// with their messages, window procedures, window words and subclassing.
#include <platform/kernel.h>
#include <platform/messaging.h>

typedef LRESULT(CALLBACK* WNDPROC)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#define CS_VREDRAW 0x0001u
#define CS_HREDRAW 0x0002u
#define CS_DBLCLKS 0x0008u

struct WNDCLASSEXA
{
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};
struct WNDCLASSEXW
{
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
    HICON hIconSm;
};

// The lParam of WM_NCCREATE and WM_CREATE.
struct CREATESTRUCTA
{
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};
struct CREATESTRUCTW
{
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};

#define WM_SETREDRAW 0x000B
// DefWindowProc answers TRUE: the session may end.
#define WM_QUERYENDSESSION 0x0011
// lParam: the NMHDR (or a larger record that starts with one) of the sender.
#define WM_NOTIFY 0x004E

struct NMHDR
{
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
typedef NMHDR* LPNMHDR;

#define WS_OVERLAPPED 0x00000000u
#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_EX_TOOLWINDOW 0x00000080u
#define CW_USEDEFAULT (static_cast<int>(0x80000000u))

// WM_SIZE wParam.
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2
#define SIZE_MAXSHOW 3
#define SIZE_MAXHIDE 4

// Window words; indexes from 0 up address the class's extra bytes.
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)
#define GWL_WNDPROC GWLP_WNDPROC
#define GWL_USERDATA GWLP_USERDATA

#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_INVALID_THREAD_ID 1444L

// Class names match regardless of case; the atom may stand for the name
// (MAKEINTATOM). A second registration of a name fails.
#define MAKEINTATOM(atom) (reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(atom))))
ATOM RegisterClassExA(const WNDCLASSEXA* windowClass);
ATOM RegisterClassExW(const WNDCLASSEXW* windowClass);
// Fails while windows of the class exist.
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);

// Sends WM_NCCREATE (0 fails the creation), WM_CREATE (-1 fails it), then
// WM_SIZE and WM_MOVE. A failed creation destroys the window and returns NULL.
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
// WM_DESTROY to the window, then to its children; then WM_NCDESTROY to the
// children and last to the window. Allowed from the window's own procedure;
// only the owner thread may destroy a window.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
HWND GetParent(HWND window);
DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId);

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The previous value; 0 with ERROR_INVALID_INDEX for an index out of range.
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR GetWindowLongPtrW(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
// The same words under their older names, pointer-width here too, so that a
// pointer kept in GWL_USERDATA through them is never cut.
inline LONG_PTR GetWindowLongA(HWND window, int index)
{
    return GetWindowLongPtrA(window, index);
}
inline LONG_PTR GetWindowLongW(HWND window, int index)
{
    return GetWindowLongPtrW(window, index);
}
inline LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value)
{
    return SetWindowLongPtrA(window, index, value);
}
inline LONG_PTR SetWindowLongW(HWND window, int index, LONG_PTR value)
{
    return SetWindowLongPtrW(window, index, value);
}
