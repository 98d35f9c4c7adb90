#pragma once
// Bitmaps keep straight alpha; cairo works on premultiplied pixels. Both
// directions leave opaque and fully transparent pixels exact.
#include <algorithm>
#include <cstdint>

namespace platform::gdi {

inline std::uint32_t Premultiply(std::uint32_t argb)
{
    const std::uint32_t a = argb >> 24;
    if (a == 255)
        return argb;
    if (a == 0)
        return 0;
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale((argb >> 16) & 0xFF) << 16) | (scale((argb >> 8) & 0xFF) << 8) | scale(argb & 0xFF);
}

inline std::uint32_t Unpremultiply(std::uint32_t premultiplied)
{
    const std::uint32_t a = premultiplied >> 24;
    if (a == 255)
        return premultiplied;
    if (a == 0)
        return 0;
    auto scale = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (scale((premultiplied >> 16) & 0xFF) << 16) | (scale((premultiplied >> 8) & 0xFF) << 8) |
           scale(premultiplied & 0xFF);
}

}  // namespace platform::gdi
