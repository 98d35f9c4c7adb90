#pragma once
// The flat vector-drawing interface: graphics on a device context or on a
// 32-bit ARGB bitmap, pens, solid brushes, lines, rectangles, pies, arcs and
// pie paths as clip.
//
// Coordinates are floats with pixel centres on whole numbers: the pixel
// (0, 0) spans -0.5 to 0.5. Angles are degrees, clockwise with y down, from
// the positive x axis; a negative sweep runs counter-clockwise. Bitmap
// pixels are 0xAARRGGBB, not premultiplied.
#include <platform/types.h>

typedef float REAL;
typedef DWORD ARGB;
typedef INT PixelFormat;

enum GpStatus
{
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

enum GpUnit
{
    UnitWorld = 0,
    UnitDisplay = 1,
    UnitPixel = 2
};
enum GpFillMode
{
    FillModeAlternate = 0,
    FillModeWinding = 1
};
enum CombineMode
{
    CombineModeReplace = 0
};
enum CompositingMode
{
    CompositingModeSourceOver = 0,
    CompositingModeSourceCopy = 1
};
enum SmoothingMode
{
    SmoothingModeInvalid = -1,
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
};
enum ImageLockMode
{
    ImageLockModeRead = 1,
    ImageLockModeWrite = 2,
    ImageLockModeUserInputBuf = 4
};

#define PixelFormat32bppARGB 0x0026200A

// Opaque objects; a bitmap is an image and a solid fill is a brush.
struct GpGraphics;
struct GpPen;
struct GpPath;
struct GpImage
{
protected:
    GpImage() = default;
};
struct GpBitmap : GpImage
{
protected:
    GpBitmap() = default;
};
struct GpBrush
{
protected:
    GpBrush() = default;
};
struct GpSolidFill : GpBrush
{
protected:
    GpSolidFill() = default;
};

struct GpRect
{
    INT X;
    INT Y;
    INT Width;
    INT Height;
};

struct BitmapData
{
    UINT Width;
    UINT Height;
    INT Stride;
    ::PixelFormat PixelFormat;
    void* Scan0;
    UINT_PTR Reserved;
};

typedef void(WINAPI* DebugEventProc)(int level, CHAR* message);
struct GdiplusStartupInput
{
    UINT GdiplusVersion;
    DebugEventProc DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};
struct GdiplusStartupOutput
{
    void* NotificationHook;
    void* NotificationUnhook;
};

// Only version 1. Objects made before the start or after the shut-down work
// all the same: nothing here needs the start.
GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);

// Draws on whatever the device context draws on, its alpha ignored.
GpStatus GdipCreateFromHDC(HDC context, GpGraphics** graphics);
// Draws on a bitmap's pixels; shapes blend with their alpha.
GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
GpStatus GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode);
// High quality and anti-alias smooth edges; the other modes do not.
GpStatus GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode);

GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
GpStatus GdipSetPenColor(GpPen* pen, ARGB color);
GpStatus GdipSetPenWidth(GpPen* pen, REAL width);
GpStatus GdipDeletePen(GpPen* pen);
GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus GdipSetSolidFillColor(GpSolidFill* brush, ARGB color);
GpStatus GdipDeleteBrush(GpBrush* brush);

// Lines and outlines use flat caps and mitred corners.
GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
// Pies and arcs of the ellipse in the rectangle; a sweep beyond a full turn
// stops at one.
GpStatus GdipFillPie(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                     REAL sweepAngle);
GpStatus GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                     REAL sweepAngle);

GpStatus GdipCreatePath(GpFillMode fillMode, GpPath** path);
GpStatus GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
GpStatus GdipDeletePath(GpPath* path);
// The clip takes whole pixels whose centres lie inside the path. Only
// CombineModeReplace.
GpStatus GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode);
GpStatus GdipResetClip(GpGraphics* graphics);
// Sets every pixel inside the clip to the colour, without blending.
GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color);

// Only PixelFormat32bppARGB. Without scan0 the pixels are allocated and
// start as 0x00000000; with it the bitmap uses the caller's memory, which
// must outlive it.
GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                   GpBitmap** bitmap);
GpStatus GdipDisposeImage(GpImage* image);
// Only PixelFormat32bppARGB: the data points at the bitmap's own pixels, so
// reads and writes happen in place. One lock at a time (WrongState else).
GpStatus GdipBitmapLockBits(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                            BitmapData* lockedData);
GpStatus GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* lockedData);
