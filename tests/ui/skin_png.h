#pragma once
// Helpers of the skin tests: the embedded bitmaps by name, their PNG header
// and their pixels decoded with libpng.
#include <platform/resources.h>

#include <png.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin_test {

struct Bytes
{
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

inline std::optional<Bytes> Resource(const std::string& name)
{
    HRSRC found = FindResourceA(nullptr, name.c_str(), "PNG");
    if (!found)
        return std::nullopt;
    return Bytes{static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found))),
                 SizeofResource(nullptr, found)};
}

struct Header
{
    std::uint32_t width, height;
    int bitDepth, colourType, interlace;
};

inline std::uint32_t BigEndian(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The IHDR chunk, which a valid PNG has right after its signature.
inline std::optional<Header> ReadHeader(const Bytes& png)
{
    if (png.size < 33 || png_sig_cmp(png.data, 0, 8) != 0 ||
        std::string_view(reinterpret_cast<const char*>(png.data + 12), 4) != "IHDR")
        return std::nullopt;
    return Header{BigEndian(png.data + 16), BigEndian(png.data + 20), png.data[24], png.data[25], png.data[28]};
}

// Straight-alpha RGBA pixels, row by row.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint32_t At(int x, int y) const
    {
        const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
        return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
};

inline std::optional<Image> Decode(const Bytes& png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data, png.size))
        return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    Image out{static_cast<int>(image.width), static_cast<int>(image.height),
              std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return out;
}

inline std::optional<Image> DecodeResource(const std::string& name)
{
    const auto bytes = Resource(name);
    return bytes ? Decode(*bytes) : std::nullopt;
}

inline int Luma(std::uint32_t argb)
{
    return (((argb >> 16) & 0xFF) * 3 + ((argb >> 8) & 0xFF) * 6 + (argb & 0xFF)) / 10;
}

}  // namespace skin_test
