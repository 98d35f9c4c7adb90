#include "framework/ui/HfcDrawContext.h"

#include "framework/ui/HfcBmp.h"

namespace {

constexpr ARGB kBlack = 0xFF000000;
constexpr ARGB kOpaqueWhite = 0xFFFFFFFF;
constexpr float kDegreesPerRadian = 57.29578f;
constexpr float kFullTurn = 6.2831855f;

// Start-and-sweep angles count counter-clockwise on the screen; the
// vector-drawing calls count clockwise.
float CounterClockwiseStart(float start)
{
    float degrees = 360.0f - start * kDegreesPerRadian;
    while (degrees >= 360.0f)
        degrees -= 360.0f;
    while (degrees < 0.0f)
        degrees += 360.0f;
    return degrees;
}

float EndSweep(float start, float end, bool clockwise)
{
    const float sweep = end * kDegreesPerRadian - start * kDegreesPerRadian;
    return clockwise ? sweep : -sweep;
}

}  // namespace

CHfcDrawContext::CHfcDrawContext(HDC context, HWND window) : m_hWnd(window), m_hDC(context)
{
    if (context == nullptr)
        return;
    if (GdipCreateFromHDC(context, &m_pGraphics) != Ok) {
        m_pGraphics = nullptr;
        return;
    }
    GdipSetCompositingMode(m_pGraphics, CompositingModeSourceCopy);
    CreatePenAndBrush();
}

CHfcDrawContext::~CHfcDrawContext()
{
    Release();
}

GpStatus CHfcDrawContext::CreatePenAndBrush()
{
    if (GpStatus status = GdipCreatePen1(kBlack, 1.0f, UnitWorld, &m_pPen); status != Ok) {
        m_pPen = nullptr;
        return status;
    }
    if (GpStatus status = GdipCreateSolidFill(kBlack, &m_pBrush); status != Ok) {
        m_pBrush = nullptr;
        return status;
    }
    return Ok;
}

void CHfcDrawContext::Release()
{
    if (m_pBrush != nullptr)
        GdipDeleteBrush(m_pBrush);
    if (m_pPen != nullptr)
        GdipDeletePen(m_pPen);
    if (m_pGraphics != nullptr)
        GdipDeleteGraphics(m_pGraphics);
    m_pBrush = nullptr;
    m_pPen = nullptr;
    m_pGraphics = nullptr;
    if (m_hWnd != nullptr && m_hDC != nullptr) {
        ReleaseDC(m_hWnd, m_hDC);
        m_hWnd = nullptr;
        m_hDC = nullptr;
    }
}

GpStatus CHfcDrawContext::SetFillColor(ARGB color)
{
    return GdipSetSolidFillColor(m_pBrush, color);
}

GpStatus CHfcDrawContext::SetPenColor(ARGB color)
{
    return GdipSetPenColor(m_pPen, color);
}

GpStatus CHfcDrawContext::SetPenWidth(float width)
{
    return GdipSetPenWidth(m_pPen, width);
}

GpStatus CHfcDrawContext::MoveTo(int x, int y)
{
    return MoveTo(float(x), float(y));
}

GpStatus CHfcDrawContext::MoveTo(float x, float y)
{
    m_fCurrentX = x;
    m_fCurrentY = y;
    return Ok;
}

GpStatus CHfcDrawContext::LineTo(int x, int y)
{
    return LineTo(float(x), float(y));
}

GpStatus CHfcDrawContext::LineTo(float x, float y)
{
    const GpStatus status = GdipDrawLine(m_pGraphics, m_pPen, m_fCurrentX, m_fCurrentY, x, y);
    m_fCurrentX = x;
    m_fCurrentY = y;
    return status;
}

GpStatus CHfcDrawContext::ClearRectangle(const RECT& rect)
{
    return ClearRectangle(float(rect.left), float(rect.top), float(rect.right - rect.left),
                          float(rect.bottom - rect.top));
}

GpStatus CHfcDrawContext::ClearRectangle(int x, int y, int width, int height)
{
    return ClearRectangle(float(x), float(y), float(width), float(height));
}

GpStatus CHfcDrawContext::ClearRectangle(float x, float y, float width, float height)
{
    GpSolidFill* white = nullptr;
    if (GpStatus status = GdipCreateSolidFill(kOpaqueWhite, &white); status != Ok)
        return status;
    const GpStatus status = GdipFillRectangle(m_pGraphics, white, x, y, width, height);
    GdipDeleteBrush(white);
    return status;
}

GpStatus CHfcDrawContext::FillRectangle(const RECT& rect)
{
    return FillRectangle(float(rect.left), float(rect.top), float(rect.right - rect.left),
                         float(rect.bottom - rect.top));
}

GpStatus CHfcDrawContext::FillRectangle(int x, int y, int width, int height)
{
    return FillRectangle(float(x), float(y), float(width), float(height));
}

GpStatus CHfcDrawContext::FillRectangle(float x, float y, float width, float height)
{
    return GdipFillRectangle(m_pGraphics, m_pBrush, x - 0.5f, y - 0.5f, width, height);
}

GpStatus CHfcDrawContext::DrawRectangle(const RECT& rect)
{
    return DrawRectangle(float(rect.left), float(rect.top), float(rect.right - rect.left),
                         float(rect.bottom - rect.top));
}

GpStatus CHfcDrawContext::DrawRectangle(int x, int y, int width, int height)
{
    return DrawRectangle(float(x), float(y), float(width), float(height));
}

GpStatus CHfcDrawContext::DrawRectangle(float x, float y, float width, float height)
{
    return GdipDrawRectangle(m_pGraphics, m_pPen, x, y, width - 1.0f, height - 1.0f);
}

GpStatus CHfcDrawContext::FillCircle(float cx, float cy, float radius)
{
    return FillArcPie(cx, cy, radius, 0.0f, kFullTurn, false);
}

GpStatus CHfcDrawContext::DrawCircle(float cx, float cy, float radius)
{
    return DrawArcSegment(cx, cy, radius, 0.0f, kFullTurn, false);
}

GpStatus CHfcDrawContext::FillPie(float cx, float cy, float radius, float start, float sweep)
{
    const float size = 2.0f * radius + 1.0f;
    return GdipFillPie(m_pGraphics, m_pBrush, cx - radius - 0.5f, cy - radius - 0.5f, size, size,
                       CounterClockwiseStart(start), sweep * kDegreesPerRadian);
}

GpStatus CHfcDrawContext::FillArcPie(float cx, float cy, float radius, float start, float end, bool clockwise)
{
    const float size = 2.0f * radius + 1.0f;
    return GdipFillPie(m_pGraphics, m_pBrush, cx - radius, cy - radius, size, size, start * kDegreesPerRadian,
                       EndSweep(start, end, clockwise));
}

GpStatus CHfcDrawContext::DrawArc(float cx, float cy, float radius, float start, float sweep)
{
    const float size = 2.0f * radius + 1.0f;
    return GdipDrawArc(m_pGraphics, m_pPen, cx - radius - 0.5f, cy - radius - 0.5f, size, size,
                       CounterClockwiseStart(start), sweep * kDegreesPerRadian);
}

GpStatus CHfcDrawContext::DrawArcSegment(float cx, float cy, float radius, float start, float end, bool clockwise)
{
    const float size = 2.0f * radius + 1.0f;
    return GdipDrawArc(m_pGraphics, m_pPen, cx - radius, cy - radius, size, size, start * kDegreesPerRadian,
                       EndSweep(start, end, clockwise));
}

GpStatus CHfcDrawContext::ClearPie(float cx, float cy, float radius, float start, float sweep)
{
    GdipSetSmoothingMode(m_pGraphics, SmoothingModeHighQuality);
    return ClearPieFigure(cx - radius - 0.5f, cy - radius - 0.5f, 2.0f * radius + 1.0f, CounterClockwiseStart(start),
                          sweep * kDegreesPerRadian);
}

GpStatus CHfcDrawContext::ClearArcPie(float cx, float cy, float radius, float start, float end, bool clockwise)
{
    return ClearPieFigure(cx - radius, cy - radius, 2.0f * radius + 1.0f, start * kDegreesPerRadian,
                          EndSweep(start, end, clockwise));
}

GpStatus CHfcDrawContext::ClearPieFigure(float x, float y, float size, float startDegrees, float sweepDegrees)
{
    GpPath* path = nullptr;
    if (GpStatus status = GdipCreatePath(FillModeAlternate, &path); status != Ok)
        return status;
    GdipAddPathPie(path, x, y, size, size, startDegrees, sweepDegrees);
    GdipSetClipPath(m_pGraphics, path, CombineModeReplace);
    const GpStatus status = GdipGraphicsClear(m_pGraphics, 0x00000000);
    GdipResetClip(m_pGraphics);
    GdipDeletePath(path);
    return status;
}

GpStatus CHfcDrawContext::DrawBitmap(const RECT& rect, CHfcBmp* bitmap, int sourceX, int sourceY)
{
    return DrawBitmap(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap, sourceX, sourceY);
}

GpStatus CHfcDrawContext::DrawBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY)
{
    return BlitBitmap(x, y, width, height, bitmap, sourceX, sourceY);
}

GpStatus CHfcDrawContext::DrawBitmapAlpha(const RECT& rect, CHfcBmp* bitmap, float opacity, int sourceX, int sourceY)
{
    return DrawBitmapAlpha(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap, opacity,
                           sourceX, sourceY);
}

GpStatus CHfcDrawContext::DrawBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float opacity,
                                          int sourceX, int sourceY)
{
    return BlitBitmapAlpha(x, y, width, height, bitmap, opacity, sourceX, sourceY);
}

GpStatus CHfcDrawContext::DrawBitmapLighten(int, int, int, int, CHfcBmp*, int, int)
{
    return Ok;
}

GpStatus CHfcDrawContext::BlitBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY)
{
    if (bitmap == nullptr)
        return InvalidParameter;
    HBITMAP copy = bitmap->CreateWin32SubBitmap(sourceX, sourceY, width, height);
    if (copy == nullptr)
        return GenericError;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = memory != nullptr ? SelectObject(memory, copy) : nullptr;
    GpStatus status = GenericError;
    if (previous != nullptr) {
        if (sourceX + width > bitmap->GetWidth())
            width = bitmap->GetWidth() - sourceX;
        if (sourceY + height > bitmap->GetHeight())
            height = bitmap->GetHeight() - sourceY;
        if (width <= 0 || height <= 0 || BitBlt(m_hDC, x, y, width, height, memory, 0, 0, SRCCOPY))
            status = Ok;
        SelectObject(memory, previous);
    }
    if (memory != nullptr)
        DeleteDC(memory);
    bitmap->DeleteWin32Bitmap();
    return status;
}

GpStatus CHfcDrawContext::BlitBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float, int sourceX,
                                          int sourceY)
{
    return BlitBitmap(x, y, width, height, bitmap, sourceX, sourceY);
}

void CHfcDrawContext::DrawBitmapText(int x, int y, const char* text, int count, CHfcBmp* font, int cellWidth,
                                     int cellHeight)
{
    if (text == nullptr || font == nullptr)
        return;
    if (cellWidth == 0)
        cellWidth = font->GetWidth();
    if (cellHeight == 0)
        cellHeight = font->GetHeight() / 128;
    for (int i = 0; i < count && text[i] != '\0'; ++i) {
        // Bytes above 127 index above the font and draw nothing.
        const int code = static_cast<signed char>(text[i]);
        DrawBitmap(x, y, cellWidth, cellHeight, font, 0, code * cellHeight);
        x += cellWidth;
    }
}
