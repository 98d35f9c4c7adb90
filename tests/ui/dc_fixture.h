#pragma once
// A memory device context drawing on a top-down 32-bit DIB whose pixels the
// test reads, for the device-context paths of the drawing tests.
#include <platform/gdi.h>

#include <cstdint>

namespace ui_test {

class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, std::uint32_t fill = 0) : width(width), height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        context = CreateCompatibleDC(nullptr);
        void* memory = nullptr;
        bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<std::uint32_t*>(memory);
        previous = SelectObject(context, bitmap);
        for (int i = 0; i < width * height; ++i)
            bits[i] = fill;
    }
    ~MemoryCanvas()
    {
        SelectObject(context, previous);
        DeleteDC(context);
        DeleteObject(bitmap);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    std::uint32_t At(int x, int y) const { return bits[y * width + x]; }

    // Copies the pixels of another bitmap handle into this canvas at (0, 0).
    void CopyFrom(HBITMAP source, int sourceWidth, int sourceHeight)
    {
        HDC other = CreateCompatibleDC(nullptr);
        HGDIOBJ held = SelectObject(other, source);
        BitBlt(context, 0, 0, sourceWidth, sourceHeight, other, 0, 0, SRCCOPY);
        SelectObject(other, held);
        DeleteDC(other);
    }

    int width;
    int height;
    HDC context = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t* bits = nullptr;
};

}  // namespace ui_test
