#pragma once
// Small owners of drawing objects for the drawing tests, and pixel access.
#include <platform/gdi.h>
#include <platform/gdiplus.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace gdi_test {

// A straight-alpha bitmap with a graphics on it.
class ImageCanvas
{
public:
    ImageCanvas(int width, int height, SmoothingMode smoothing = SmoothingModeNone)
    {
        EXPECT_EQ(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
        EXPECT_EQ(GdipGetImageGraphicsContext(bitmap, &graphics), Ok);
        EXPECT_EQ(GdipSetSmoothingMode(graphics, smoothing), Ok);
        EXPECT_EQ(GdipCreatePen1(0xFF000000, 1.0f, UnitWorld, &pen), Ok);
        EXPECT_EQ(GdipCreateSolidFill(0xFF000000, &brush), Ok);
    }
    ~ImageCanvas()
    {
        GdipDeleteBrush(brush);
        GdipDeletePen(pen);
        GdipDeleteGraphics(graphics);
        GdipDisposeImage(bitmap);
    }
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    std::uint32_t& Pixel(int x, int y)
    {
        BitmapData data{};
        EXPECT_EQ(
            GdipBitmapLockBits(bitmap, nullptr, ImageLockModeRead | ImageLockModeWrite, PixelFormat32bppARGB, &data),
            Ok);
        GdipBitmapUnlockBits(bitmap, &data);
        return reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(data.Scan0) + y * data.Stride)[x];
    }
    void Fill(std::uint32_t argb, int width, int height)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Pixel(x, y) = argb;
    }

    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    GpPen* pen = nullptr;
    GpSolidFill* brush = nullptr;
};

// A memory device context with a top-down 32-bit DIB selected into it.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height) : width(width)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        context = CreateCompatibleDC(nullptr);
        void* memory = nullptr;
        bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<std::uint32_t*>(memory);
        previous = SelectObject(context, bitmap);
    }
    ~MemoryCanvas()
    {
        SelectObject(context, previous);
        DeleteDC(context);
        DeleteObject(bitmap);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    std::uint32_t& Pixel(int x, int y) { return bits[y * width + x]; }

    int width;
    HDC context = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t* bits = nullptr;
};

inline int Channel(std::uint32_t argb, int shift)
{
    return int((argb >> shift) & 0xFF);
}

// Every channel within the tolerance, for smoothed edges.
inline ::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift : {24, 16, 8, 0})
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            char text[64];
            std::snprintf(text, sizeof text, "0x%08X is not within %d of 0x%08X", unsigned(actual), tolerance,
                          unsigned(expected));
            return ::testing::AssertionFailure() << text;
        }
    return ::testing::AssertionSuccess();
}

}  // namespace gdi_test
