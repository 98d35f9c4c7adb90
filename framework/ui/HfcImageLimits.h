#pragma once
// The largest image made from outside bytes: far above the skin's biggest
// bitmap, small enough that a damaged size is refused before much memory is
// taken.
#include <cstdint>

inline constexpr std::int64_t kMaxImageSide = 8192;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{4096} * 4096;

inline bool IsImageSizeAllowed(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}
