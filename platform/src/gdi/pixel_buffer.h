#pragma once
// A block of 32-bit pixels, rows top-down.
#include <platform/types.h>

#include <algorithm>
#include <cstdint>

namespace platform::gdi {

// The common part of two rectangles, empty (right <= left) when none.
inline RECT Overlap(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}
inline bool IsEmptyRect(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

struct PixelBuffer
{
    BYTE* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes from one row to the next

    std::uint32_t* Row(int y) const { return reinterpret_cast<std::uint32_t*>(pixels + std::ptrdiff_t(y) * stride); }
    // The part inside the rectangle, which must lie within the buffer.
    PixelBuffer Part(const RECT& r) const
    {
        return {pixels + std::ptrdiff_t(r.top) * stride + std::ptrdiff_t(r.left) * 4, int(r.right - r.left),
                int(r.bottom - r.top), stride};
    }
    RECT Bounds() const { return {0, 0, width, height}; }
    bool Empty() const { return !pixels || width <= 0 || height <= 0; }
};

}  // namespace platform::gdi
