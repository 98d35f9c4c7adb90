#pragma once
// A top-level window's framebuffer: 32-bit pixels, blue in the lowest byte.
#include "region.h"

#include <cstdint>
#include <vector>

namespace platform::detail {

struct Surface
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, rows top first
    RECT unpresented{0, 0, 0, 0};       // painted since the last present

    // Keeps what still fits; the rest is black.
    void Resize(int newWidth, int newHeight);
    std::uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    const std::uint32_t* Row(int y) const
    {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
    void MarkPainted(const RECT& area) { unpresented = Union(unpresented, area); }
};

std::uint32_t PixelFromColor(COLORREF color);
COLORREF ColorFromPixel(std::uint32_t pixel);

// Fills the part of the rectangle inside the clip; both in surface coordinates.
void Fill(Surface& surface, const Region& clip, const RECT& rect, COLORREF color);

}  // namespace platform::detail
