#pragma once
// Visible windows: the screen, showing and placing windows, their texts,
// frames and activation. Top-level windows get their frame from the desktop;
// child windows (MDI children) get captions and borders drawn here.
#include <platform/window.h>

#define WS_MAXIMIZEBOX 0x00010000u
#define WS_MINIMIZEBOX 0x00020000u
#define WS_THICKFRAME 0x00040000u
#define WS_SYSMENU 0x00080000u
#define WS_HSCROLL 0x00100000u
#define WS_VSCROLL 0x00200000u
#define WS_DLGFRAME 0x00400000u
#define WS_BORDER 0x00800000u
#define WS_CAPTION 0x00C00000u
#define WS_MAXIMIZE 0x01000000u
#define WS_CLIPCHILDREN 0x02000000u
#define WS_CLIPSIBLINGS 0x04000000u
#define WS_DISABLED 0x08000000u
#define WS_MINIMIZE 0x20000000u
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_EX_TOPMOST 0x00000008u
#define WS_EX_MDICHILD 0x00000040u
#define WS_EX_WINDOWEDGE 0x00000100u
#define WS_EX_CLIENTEDGE 0x00000200u

#define WM_ACTIVATE 0x0006
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_SHOWWINDOW 0x0018
#define WM_GETMINMAXINFO 0x0024
#define WM_SETICON 0x0080
#define WM_NCHITTEST 0x0084
#define WM_NCACTIVATE 0x0086
#define WM_SYSCOMMAND 0x0112
// A scroll bar of the window was used: LOWORD(wParam) an SB_ code, with
// SB_THUMBTRACK and SB_THUMBPOSITION the position in HIWORD(wParam); lParam
// the scroll-bar control, null for the window's own bars.
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_SIZING 0x0214
#define WM_MOVING 0x0216
#define WM_ENTERSIZEMOVE 0x0231
#define WM_EXITSIZEMOVE 0x0232

// WM_HSCROLL and WM_VSCROLL codes; SB_LINEUP and SB_PAGEUP also mean left.
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8

// WM_ACTIVATE wParam.
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

// WM_SETICON wParam.
#define ICON_SMALL 0
#define ICON_BIG 1

// WM_SIZING wParam: the edge being dragged.
#define WMSZ_LEFT 1
#define WMSZ_RIGHT 2
#define WMSZ_TOP 3
#define WMSZ_TOPLEFT 4
#define WMSZ_TOPRIGHT 5
#define WMSZ_BOTTOM 6
#define WMSZ_BOTTOMLEFT 7
#define WMSZ_BOTTOMRIGHT 8

// WM_NCHITTEST answers.
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2
#define HTSYSMENU 3
#define HTMENU 5
#define HTHSCROLL 6
#define HTVSCROLL 7
#define HTMINBUTTON 8
#define HTMAXBUTTON 9
#define HTLEFT 10
#define HTRIGHT 11
#define HTTOP 12
#define HTTOPLEFT 13
#define HTTOPRIGHT 14
#define HTBOTTOM 15
#define HTBOTTOMLEFT 16
#define HTBOTTOMRIGHT 17
#define HTBORDER 18
#define HTCLOSE 20

// WM_SYSCOMMAND wParam.
#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_NEXTWINDOW 0xF040
#define SC_PREVWINDOW 0xF050
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

// SetWindowPos.
#define HWND_TOP (reinterpret_cast<HWND>(0))
#define HWND_BOTTOM (reinterpret_cast<HWND>(1))
#define HWND_TOPMOST (reinterpret_cast<HWND>(-1))
#define HWND_NOTOPMOST (reinterpret_cast<HWND>(-2))
#define SWP_NOSIZE 0x0001u
#define SWP_NOMOVE 0x0002u
#define SWP_NOZORDER 0x0004u
#define SWP_NOREDRAW 0x0008u
#define SWP_NOACTIVATE 0x0010u
#define SWP_FRAMECHANGED 0x0020u
#define SWP_SHOWWINDOW 0x0040u
#define SWP_HIDEWINDOW 0x0080u

struct MINMAXINFO
{
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct WINDOWPLACEMENT
{
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};

#define SPI_GETWORKAREA 0x0030u

// Only SPI_GETWORKAREA: the usable part of the screen, as a RECT.
BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID value, UINT winIni);
BOOL SystemParametersInfoW(UINT action, UINT param, LPVOID value, UINT winIni);

// The previous visibility. Showing a top-level window activates it unless
// the command says not to.
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND window);
// Screen coordinates for a top-level window, the window with its frame.
BOOL GetWindowRect(HWND window, LPRECT rect);
// Always (0, 0, width, height) of the client area.
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL ClientToScreen(HWND window, LPPOINT point);
BOOL ScreenToClient(HWND window, LPPOINT point);
// The outer rectangle whose client area is the given rectangle, with the
// frames drawn here (child windows) or the menu bar and edges (top level).
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
// Minimises and restores.
BOOL CloseWindow(HWND window);
BOOL OpenIcon(HWND window);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);

// Texts go through WM_SETTEXT and WM_GETTEXT, whose text pointers are of the
// window's own kind (the W kind for a window made by CreateWindowExW).
BOOL SetWindowTextA(HWND window, LPCSTR text);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
// Characters copied, without the terminating zero.
int GetWindowTextA(HWND window, LPSTR buffer, int size);
int GetWindowTextW(HWND window, LPWSTR buffer, int size);
int GetWindowTextLengthA(HWND window);
int GetWindowTextLengthW(HWND window);

typedef BOOL(CALLBACK* WNDENUMPROC)(HWND window, LPARAM lParam);
// Every descendant, each child followed by its own children, top of the
// z-order first; stops when the procedure answers FALSE.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM lParam);

// The previous state: nonzero when the window was disabled.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND GetTopWindow(HWND parent);
BOOL IsChild(HWND parent, HWND window);

namespace platform {

// Which display the process uses. The desktop one shows real windows; the
// headless one keeps them in memory. VQ_DISPLAY=headless or =desktop in the
// environment overrides the choice.
enum class DisplayKind
{
    Desktop,
    Headless
};

// Starts the display; false when it could not be opened, with the reason
// in DisplayFailure(). Without a call the headless display starts when a
// window first needs one.
bool StartDisplay(DisplayKind kind);
const char* DisplayFailure();
// Closes every display window; windows stay, hidden from the desktop.
void StopDisplay();

}  // namespace platform
