#include "framework/ui/HfcOffscreenContext.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcPixelBlend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

std::uint32_t* Row(BYTE* pixels, int stride, int y)
{
    return reinterpret_cast<std::uint32_t*>(pixels + std::ptrdiff_t(y) * stride);
}

// A start below 0 moves up to 0, taking the size and the paired start along.
void ClipAtZero(int& start, int& size, int& paired)
{
    if (start < 0) {
        size += start;
        paired -= start;
        start = 0;
    }
}

// Clips a copy of the source's (sourceX, sourceY) area to (x, y) against
// both bitmaps and runs blend(source, destination) over every pixel.
template <typename PixelOp>
void CombinePixels(CHfcBmp& destination, int x, int y, int width, int height, CHfcBmp* source, int sourceX, int sourceY,
                   PixelOp blend)
{
    if (source == nullptr)
        return;
    ClipAtZero(x, width, sourceX);
    ClipAtZero(y, height, sourceY);
    ClipAtZero(sourceX, width, x);
    ClipAtZero(sourceY, height, y);
    width = std::min({width, destination.GetWidth() - x, source->GetWidth() - sourceX});
    height = std::min({height, destination.GetHeight() - y, source->GetHeight() - sourceY});

    BYTE* in = source->LockBits();
    BYTE* out = in != nullptr ? destination.LockBits() : nullptr;
    if (out != nullptr) {
        for (int row = 0; row < height; ++row) {
            const std::uint32_t* s = Row(in, source->GetStride(), sourceY + row) + sourceX;
            std::uint32_t* d = Row(out, destination.GetStride(), y + row) + x;
            for (int column = 0; column < width; ++column)
                d[column] = blend(s[column], d[column]);
        }
        destination.UnlockBits();
    }
    if (in != nullptr)
        source->UnlockBits();
}

}  // namespace

CHfcOffscreenContext::CHfcOffscreenContext(int width, int height)
    : CHfcDrawContext(nullptr), m_pBitmap(std::make_unique<CHfcBmp>())
{
    if (!m_pBitmap->Create(width, height))
        return;
    // An empty buffer gets its graphics when it is resized.
    if (m_pBitmap->GetGdipBitmap() != nullptr && !CreateGraphics())
        return;
    CreatePenAndBrush();
}

CHfcOffscreenContext::~CHfcOffscreenContext()
{
    // The graphics draws on the bitmap: it goes first.
    Release();
}

bool CHfcOffscreenContext::CreateGraphics()
{
    if (GdipGetImageGraphicsContext(m_pBitmap->GetGdipBitmap(), &m_pGraphics) != Ok) {
        m_pGraphics = nullptr;
        return false;
    }
    GdipSetSmoothingMode(m_pGraphics, SmoothingModeAntiAlias);
    return true;
}

bool CHfcOffscreenContext::Resize(int width, int height)
{
    // A graphics made on the old pixels would draw on freed memory.
    if (m_pGraphics != nullptr)
        GdipDeleteGraphics(m_pGraphics);
    m_pGraphics = nullptr;
    if (!m_pBitmap->Resize(width, height))
        return false;
    return m_pBitmap->GetGdipBitmap() == nullptr || CreateGraphics();
}

GpStatus CHfcOffscreenContext::ClearRectangle(float x, float y, float width, float height)
{
    int left = static_cast<int>(x);
    int top = static_cast<int>(y);
    int columns = static_cast<int>(width);
    int rows = static_cast<int>(height);
    if (left < 0) {
        columns += left;
        left = 0;
    }
    columns = std::min(columns, m_pBitmap->GetWidth() - left);
    if (top < 0) {
        rows += top;
        top = 0;
    }
    rows = std::min(rows, m_pBitmap->GetHeight() - top);
    BYTE* pixels = m_pBitmap->LockBits();
    if (pixels == nullptr)
        return Ok;
    for (int row = 0; row < rows && columns > 0; ++row)
        std::fill_n(Row(pixels, m_pBitmap->GetStride(), top + row) + left, columns, 0u);
    m_pBitmap->UnlockBits();
    return Ok;
}

GpStatus CHfcOffscreenContext::BlitBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX,
                                          int sourceY)
{
    CombinePixels(*m_pBitmap, x, y, width, height, bitmap, sourceX, sourceY,
                  [](std::uint32_t s, std::uint32_t d) { return hfc_pixel::Blend(s, d); });
    return Ok;
}

GpStatus CHfcOffscreenContext::BlitBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float opacity,
                                               int sourceX, int sourceY)
{
    CombinePixels(*m_pBitmap, x, y, width, height, bitmap, sourceX, sourceY,
                  [opacity](std::uint32_t s, std::uint32_t d) { return hfc_pixel::BlendWithOpacity(s, d, opacity); });
    return Ok;
}

GpStatus CHfcOffscreenContext::DrawBitmapLighten(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX,
                                                 int sourceY)
{
    CombinePixels(*m_pBitmap, x, y, width, height, bitmap, sourceX, sourceY,
                  [](std::uint32_t s, std::uint32_t d) { return hfc_pixel::Lighten(s, d); });
    return Ok;
}

void CHfcOffscreenContext::ScrollRect(const RECT* rect, int dx, int dy)
{
    if (rect == nullptr)
        return;
    const int bufferWidth = m_pBitmap->GetWidth();
    const int bufferHeight = m_pBitmap->GetHeight();
    int x = rect->left;
    int y = rect->top;
    int width = rect->right - rect->left;
    int height = rect->bottom - rect->top;
    if (x < 0) {
        width += x;
        x = 0;
    }
    if (y < 0) {
        height += y;
        y = 0;
    }
    width = std::min(width, bufferWidth - x);
    height = std::min(height, bufferHeight - y);

    int targetX = x + dx;
    int targetY = y + dy;
    if (dy >= 0)
        height = std::min(height, bufferHeight - targetY);
    else
        ClipAtZero(targetY, height, y);
    if (dx >= 0)
        width = std::min(width, bufferWidth - targetX);
    else
        ClipAtZero(targetX, width, x);
    if (height < 1 || width < 1)
        return;

    BYTE* pixels = m_pBitmap->LockBits();
    if (pixels == nullptr)
        return;
    const int stride = m_pBitmap->GetStride();
    // Rows and columns go in the order that reads each source pixel before
    // the move overwrites it.
    for (int i = 0; i < height; ++i) {
        const int row = dy >= 0 ? height - 1 - i : i;
        std::memmove(Row(pixels, stride, targetY + row) + targetX, Row(pixels, stride, y + row) + x,
                     std::size_t(width) * 4);
    }
    m_pBitmap->UnlockBits();
}

GpStatus CHfcOffscreenContext::CopyTo(CHfcDrawContext* target, int x, int y, int width, int height, int sourceX,
                                      int sourceY)
{
    if (target == nullptr)
        return InvalidParameter;
    return target->DrawBitmap(x, y, width, height, m_pBitmap.get(), sourceX, sourceY);
}

GpStatus CHfcOffscreenContext::CopyAllTo(CHfcDrawContext* target)
{
    return CopyTo(target, 0, 0, m_pBitmap->GetWidth(), m_pBitmap->GetHeight(), 0, 0);
}
