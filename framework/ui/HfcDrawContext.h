#pragma once
// The surface that windows, layers and controls paint through: vector
// drawing with one pen and one solid brush on a device context, a current
// point, bitmap copies and text from bitmap fonts. Colours are 0xAARRGGBB;
// a RECT becomes (left, top, right - left, bottom - top).
#include <platform/gdi.h>
#include <platform/gdiplus.h>

class CHfcBmp;

class CHfcDrawContext
{
public:
    // Draws on the device context; when the window is given too, the
    // context is handed back to it by Release. A failed creation leaves the
    // object without that graphics, pen or brush and the ones after it.
    explicit CHfcDrawContext(HDC context, HWND window = nullptr);
    virtual ~CHfcDrawContext();
    CHfcDrawContext(const CHfcDrawContext&) = delete;
    CHfcDrawContext& operator=(const CHfcDrawContext&) = delete;

    // Every drawing operation answers the status of its last drawing call.
    virtual GpStatus MoveTo(int x, int y);
    virtual GpStatus MoveTo(float x, float y);
    virtual GpStatus LineTo(int x, int y);
    virtual GpStatus LineTo(float x, float y);

    virtual GpStatus ClearRectangle(const RECT& rect);
    virtual GpStatus ClearRectangle(int x, int y, int width, int height);
    // Opaque white here; transparent on an offscreen context.
    virtual GpStatus ClearRectangle(float x, float y, float width, float height);
    virtual GpStatus FillRectangle(const RECT& rect);
    virtual GpStatus FillRectangle(int x, int y, int width, int height);
    virtual GpStatus FillRectangle(float x, float y, float width, float height);
    virtual GpStatus DrawRectangle(const RECT& rect);
    virtual GpStatus DrawRectangle(int x, int y, int width, int height);
    // Outlines exactly the pixels x .. x + width - 1 and y .. y + height - 1.
    virtual GpStatus DrawRectangle(float x, float y, float width, float height);

    // Angles in radians. The start-and-sweep forms run counter-clockwise
    // from the start; the start-and-end forms run clockwise only when asked.
    virtual GpStatus FillCircle(float cx, float cy, float radius);
    virtual GpStatus DrawCircle(float cx, float cy, float radius);
    virtual GpStatus FillPie(float cx, float cy, float radius, float start, float sweep);
    virtual GpStatus FillArcPie(float cx, float cy, float radius, float start, float end, bool clockwise);
    virtual GpStatus DrawArc(float cx, float cy, float radius, float start, float sweep);
    virtual GpStatus DrawArcSegment(float cx, float cy, float radius, float start, float end, bool clockwise);
    // Make the pie transparent.
    virtual GpStatus ClearPie(float cx, float cy, float radius, float start, float sweep);
    virtual GpStatus ClearArcPie(float cx, float cy, float radius, float start, float end, bool clockwise);

    virtual GpStatus DrawBitmap(const RECT& rect, CHfcBmp* bitmap, int sourceX, int sourceY);
    virtual GpStatus DrawBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY);
    virtual GpStatus DrawBitmapAlpha(const RECT& rect, CHfcBmp* bitmap, float opacity, int sourceX, int sourceY);
    virtual GpStatus DrawBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float opacity, int sourceX,
                                     int sourceY);
    // Keeps the lighter of each byte; only an offscreen context does it.
    virtual GpStatus DrawBitmapLighten(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY);

    // Copies the part of the bitmap at (sourceX, sourceY) that lies inside
    // it. A device context copies without blending, and its alpha form
    // ignores the opacity.
    virtual GpStatus BlitBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY);
    virtual GpStatus BlitBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float opacity, int sourceX,
                                     int sourceY);

    GpStatus SetFillColor(ARGB color);
    GpStatus SetPenColor(ARGB color);
    GpStatus SetPenWidth(float width);

    // Draws up to count bytes of text, stopping at a zero byte, from a font
    // that is a vertical strip of 128 cells: byte c (taken as signed) is
    // the cell at (0, c x cellHeight). A cell width of 0 means the font's
    // width; a cell height of 0 its height / 128.
    void DrawBitmapText(int x, int y, const char* text, int count, CHfcBmp* font, int cellWidth, int cellHeight);

    // Deletes the brush, pen and graphics, and gives the device context back
    // to its window.
    void Release();

protected:
    // Whoever draws on no device context supplies the objects itself.
    GpStatus CreatePenAndBrush();

    GpGraphics* m_pGraphics = nullptr;
    GpPen* m_pPen = nullptr;
    GpSolidFill* m_pBrush = nullptr;

private:
    GpStatus ClearPieFigure(float x, float y, float size, float startDegrees, float sweepDegrees);

    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;
    float m_fCurrentX = 0.0f;
    float m_fCurrentY = 0.0f;
};
