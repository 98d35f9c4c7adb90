#pragma once
// The objects behind the vector-drawing handles.
#include "pixel_buffer.h"

#include <platform/gdi.h>
#include <platform/gdiplus.h>

#include <memory>
#include <vector>

namespace platform::gdi {

struct PieFigure
{
    REAL x, y, width, height, startAngle, sweepAngle;
};

// Pixels of a bitmap image, shared with the graphics drawing on it so that
// a disposed image never leaves a graphics pointing at freed memory.
struct BitmapPixels
{
    PixelBuffer buffer;
    std::vector<std::uint32_t> owned;  // empty when the caller gave the memory
    bool locked = false;
    bool disposed = false;
};

struct BitmapImage final : GpBitmap
{
    std::shared_ptr<BitmapPixels> pixels = std::make_shared<BitmapPixels>();
};

struct SolidFill final : GpSolidFill
{
    explicit SolidFill(ARGB color) : color(color) {}
    ARGB color;
};

}  // namespace platform::gdi

struct GpGraphics
{
    HDC context = nullptr;                                // drawing on a device context
    std::shared_ptr<platform::gdi::BitmapPixels> bitmap;  // or on a bitmap
    CompositingMode compositing = CompositingModeSourceOver;
    SmoothingMode smoothing = SmoothingModeNone;
    bool clipped = false;
    GpFillMode clipFillMode = FillModeAlternate;
    std::vector<platform::gdi::PieFigure> clip;
};

struct GpPen
{
    ARGB color;
    REAL width;
};

struct GpPath
{
    GpFillMode fillMode;
    std::vector<platform::gdi::PieFigure> figures;
};
