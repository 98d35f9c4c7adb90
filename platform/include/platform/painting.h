#pragma once
// Invalid areas and WM_PAINT. A window's invalid area collects until its
// thread has nothing else to retrieve; then one WM_PAINT comes for it.
// Painting reaches the top-level window's framebuffer, clipped to the part
// of the window not covered by its children or by siblings above it.
#include <platform/display.h>

#define WM_ERASEBKGND 0x0014
#define WM_NCPAINT 0x0085

struct PAINTSTRUCT
{
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

// System colours; a class background of (HBRUSH)(index + 1) paints in that colour.
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
COLORREF GetSysColor(int index);

// A null rectangle means the whole client area; a null window every window.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
// The bounding box of the invalid area; FALSE when there is none.
BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL erase);
// Paints the window and its children now when they are invalid, and shows
// the result before returning.
BOOL UpdateWindow(HWND window);

// rcPaint is the bounding box of the invalid area clipped to the client
// area; the area becomes valid. WM_ERASEBKGND comes first when an
// invalidation asked for erasing.
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
