#pragma once
// Multiple-document windows: the "MDICLIENT" class inside a frame, its
// children, their activation and the frame's window menu.
#include <platform/input.h>

#define WM_CHILDACTIVATE 0x0022
#define WM_MDICREATE 0x0220
#define WM_MDIDESTROY 0x0221
// To the client: activate the child in wParam (the old child is told
// first, then the new one, each with wParam the old and lParam the new).
// For a hidden child nothing changes: the child alone is told again that
// it is not active (wParam itself, lParam the active child or null).
#define WM_MDIACTIVATE 0x0222
#define WM_MDIRESTORE 0x0223
#define WM_MDINEXT 0x0224
#define WM_MDIMAXIMIZE 0x0225
#define WM_MDIGETACTIVE 0x0229
#define WM_MDISETMENU 0x0230
#define WM_MDIREFRESHMENU 0x0234

#define MDIS_ALLCHILDSTYLES 0x0001u

// The lParam of the MDI client's creation.
struct CLIENTCREATESTRUCT
{
    HMENU hWindowMenu;
    UINT idFirstChild;
};

// The creation parameter that a child made by the client finds in its
// CREATESTRUCT; lParam is the caller's own.
struct MDICREATESTRUCTA
{
    LPCSTR szClass;
    LPCSTR szTitle;
    HANDLE hOwner;
    int x;
    int y;
    int cx;
    int cy;
    DWORD style;
    LPARAM lParam;
};
struct MDICREATESTRUCTW
{
    LPCWSTR szClass;
    LPCWSTR szTitle;
    HANDLE hOwner;
    int x;
    int y;
    int cx;
    int cy;
    DWORD style;
    LPARAM lParam;
};

// Makes a visible child of the client and activates it. CW_USEDEFAULT
// places it in cascade.
HWND CreateMDIWindowA(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND client, HINSTANCE instance, LPARAM lParam);
HWND CreateMDIWindowW(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND client, HINSTANCE instance, LPARAM lParam);

// WM_COMMAND of a window-menu entry activates that child; WM_SIZE fills the
// frame's client area with the MDI client.
LRESULT DefFrameProcA(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefFrameProcW(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
// WM_CLOSE destroys the child through its client; a new title updates the
// window menu.
LRESULT DefMDIChildProcA(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProcW(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
// Ctrl+F4 closes the active child, Ctrl+F6 and Ctrl+Tab activate the next
// one (with Shift the previous one). TRUE when the key was used.
BOOL TranslateMDISysAccel(HWND client, LPMSG msg);
