#include "gdiplus_objects.h"
#include "recording.h"

using namespace platform::gdi;

namespace {

// Larger bitmaps are refused rather than risk a failed allocation.
constexpr long long kMaxPixels = 1LL << 26;

BitmapImage* ImageOf(GpImage* image)
{
    return static_cast<BitmapImage*>(image);
}

}  // namespace

GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                   GpBitmap** bitmap)
{
    if (bitmap)
        *bitmap = nullptr;
    if (GpStatus status =
            Note("GdipCreateBitmapFromScan0", nullptr, {float(width), float(height), float(stride), float(format)});
        status != Ok)
        return status;
    if (!bitmap || width <= 0 || height <= 0 || format != PixelFormat32bppARGB ||
        static_cast<long long>(width) * height > kMaxPixels)
        return InvalidParameter;
    if (scan0 && (stride < width * 4 || stride % 4 != 0))
        return InvalidParameter;
    auto* image = new BitmapImage;
    BitmapPixels& pixels = *image->pixels;
    if (scan0) {
        pixels.buffer = {scan0, width, height, stride};
    } else {
        pixels.owned.assign(std::size_t(width) * height, 0u);
        pixels.buffer = {reinterpret_cast<BYTE*>(pixels.owned.data()), width, height, width * 4};
    }
    *bitmap = image;
    return Ok;
}

GpStatus GdipDisposeImage(GpImage* image)
{
    if (GpStatus status = Note("GdipDisposeImage", image); status != Ok)
        return status;
    if (!image)
        return InvalidParameter;
    BitmapImage* bitmap = ImageOf(image);
    // A graphics still made on it draws nothing from now on.
    bitmap->pixels->disposed = true;
    bitmap->pixels->buffer = {};
    bitmap->pixels->owned = {};
    delete bitmap;
    return Ok;
}

GpStatus GdipBitmapLockBits(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                            BitmapData* lockedData)
{
    if (GpStatus status = Note("GdipBitmapLockBits", bitmap, {float(flags), float(format)}); status != Ok)
        return status;
    if (!bitmap || !lockedData || format != PixelFormat32bppARGB || (flags & ImageLockModeUserInputBuf))
        return InvalidParameter;
    BitmapPixels& pixels = *ImageOf(bitmap)->pixels;
    if (pixels.locked)
        return WrongState;
    const GpRect area = rect ? *rect : GpRect{0, 0, pixels.buffer.width, pixels.buffer.height};
    if (area.X < 0 || area.Y < 0 || area.Width <= 0 || area.Height <= 0 || area.X + area.Width > pixels.buffer.width ||
        area.Y + area.Height > pixels.buffer.height)
        return InvalidParameter;
    pixels.locked = true;
    *lockedData = {UINT(area.Width),
                   UINT(area.Height),
                   pixels.buffer.stride,
                   PixelFormat32bppARGB,
                   pixels.buffer.Row(area.Y) + area.X,
                   0};
    return Ok;
}

GpStatus GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* lockedData)
{
    if (GpStatus status = Note("GdipBitmapUnlockBits", bitmap); status != Ok)
        return status;
    if (!bitmap || !lockedData)
        return InvalidParameter;
    BitmapPixels& pixels = *ImageOf(bitmap)->pixels;
    if (!pixels.locked)
        return WrongState;
    pixels.locked = false;
    return Ok;
}
