#pragma once
// Device contexts and 32-bit bitmaps. A memory device context draws on the
// bitmap selected into it; a window's device context draws on the window's
// part of its top-level framebuffer. Pixels are 32-bit values 0xAARRGGBB,
// rows top-down; copies move whole pixels and never blend.
#include <platform/types.h>

typedef void* HGDIOBJ;
VQ_DECLARE_HANDLE(HBITMAP);

struct BITMAPINFOHEADER
{
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // negative for rows top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD
{
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO
{
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

#define BI_RGB 0L
#define DIB_RGB_COLORS 0u
#define SRCCOPY 0x00CC0020u

// The device context of a window's client area, drawing on its part of the
// top-level framebuffer; give it back with ReleaseDC (1 when released).
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC context);

// A memory device context holding a 1 x 1 stock bitmap until another is
// selected. The reference context is not needed: every context here is
// 32-bit.
HDC CreateCompatibleDC(HDC reference);
// Deletes a memory device context; the bitmap selected into it survives.
BOOL DeleteDC(HDC context);

// Only 32 bits per pixel, BI_RGB, rows top-down (negative height). The pixel
// memory starts zeroed and lives until DeleteObject.
HBITMAP CreateDIBSection(HDC context, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
// Selects a bitmap into a memory device context and returns the one it
// held; NULL when the bitmap is selected into another context.
HGDIOBJ SelectObject(HDC context, HGDIOBJ object);
// Fails for a bitmap still selected into a context; a stock object stays
// and the call succeeds.
BOOL DeleteObject(HGDIOBJ object);

// Stock objects: only the white brush, which a window class may name as its
// background.
#define WHITE_BRUSH 0
HGDIOBJ GetStockObject(int index);

// Only SRCCOPY: copies the pixels that lie inside both the source and the
// destination (and the destination's visible area), alpha included.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
