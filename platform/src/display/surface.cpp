#include "surface.h"

#include <algorithm>

namespace platform::detail {

void Surface::Resize(int newWidth, int newHeight)
{
    newWidth = std::max(newWidth, 0);
    newHeight = std::max(newHeight, 0);
    if (newWidth == width && newHeight == height)
        return;
    std::vector<std::uint32_t> resized(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight), 0xFF000000u);
    int keptWidth = std::min(width, newWidth), keptHeight = std::min(height, newHeight);
    for (int y = 0; y < keptHeight; ++y)
        std::copy_n(Row(y), keptWidth, resized.data() + static_cast<size_t>(y) * static_cast<size_t>(newWidth));
    pixels.swap(resized);
    width = newWidth;
    height = newHeight;
    unpresented = {0, 0, width, height};
}

std::uint32_t PixelFromColor(COLORREF color)
{
    std::uint32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

COLORREF ColorFromPixel(std::uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Fill(Surface& surface, const Region& clip, const RECT& rect, COLORREF color)
{
    std::uint32_t pixel = PixelFromColor(color);
    RECT bounds = Intersect(rect, {0, 0, surface.width, surface.height});
    for (const RECT& part : clip.Rects()) {
        RECT area = Intersect(part, bounds);
        for (LONG y = area.top; y < area.bottom; ++y)
            std::fill(surface.Row(y) + area.left, surface.Row(y) + area.right, pixel);
        surface.MarkPainted(area);
    }
}

}  // namespace platform::detail
