#pragma once
// The integer blends of bitmap copies into an offscreen buffer, on pixels
// 0xAARRGGBB. A source weight of (alpha x 256) + 255 makes an opaque source
// replace the colour exactly; the destination keeps the rest of 65535.
#include <algorithm>
#include <cstdint>

namespace hfc_pixel {

inline std::uint32_t Channel(std::uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFF;
}

// The source blended over the destination with the source's alpha taken as
// alpha (0 .. 255).
inline std::uint32_t BlendWithAlpha(std::uint32_t source, std::uint32_t destination, std::uint32_t alpha)
{
    const std::uint32_t sourceWeight = (alpha << 8) + 255;
    const std::uint32_t destinationWeight = 65535 - sourceWeight;
    auto mix = [&](int shift) {
        return ((((Channel(source, shift) << 8) + 255) * sourceWeight +
                 ((Channel(destination, shift) << 8) + 255) * destinationWeight) >>
                24)
               << shift;
    };
    const std::uint32_t outAlpha =
        std::min<std::uint32_t>(255, ((Channel(destination, 24) << 8) + 255 + sourceWeight) >> 8);
    return (outAlpha << 24) | mix(16) | mix(8) | mix(0);
}

inline std::uint32_t Blend(std::uint32_t source, std::uint32_t destination)
{
    return BlendWithAlpha(source, destination, source >> 24);
}

// The source's alpha scaled by an opacity of 0.0 to 1.0, truncated.
inline std::uint32_t BlendWithOpacity(std::uint32_t source, std::uint32_t destination, float opacity)
{
    const float scaled = float(source >> 24) * opacity;
    const std::uint32_t alpha = scaled <= 0.0f ? 0 : std::min<std::uint32_t>(255, std::uint32_t(scaled));
    return BlendWithAlpha(source, destination, alpha);
}

// The larger of each byte, where the source is not fully transparent.
inline std::uint32_t Lighten(std::uint32_t source, std::uint32_t destination)
{
    if ((source >> 24) == 0)
        return destination;
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 24; shift += 8)
        out |= std::max(Channel(source, shift), Channel(destination, shift)) << shift;
    return out;
}

}  // namespace hfc_pixel
