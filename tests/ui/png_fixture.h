#pragma once
// Small PNGs written with libpng in memory, and pixel reads of the
// framework's images, for the bitmap and drawing tests.
#include "framework/ui/HfcBmp.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace ui_test {

struct PngSpec
{
    int width = 1;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    std::vector<std::uint8_t> samples;  // rows packed as libpng takes them, big-endian for 16 bits
    std::vector<png_color> palette;
    std::vector<std::uint8_t> paletteAlpha;  // tRNS of a palette image
    int transparentGrey = -1;                // tRNS of a grey image
    bool interlaced = false;
};

// A small image: width, height, colour type, bit depth and samples.
inline PngSpec Spec(int width, int height, int colourType, int bitDepth, std::vector<std::uint8_t> samples)
{
    PngSpec spec;
    spec.width = width;
    spec.height = height;
    spec.colourType = colourType;
    spec.bitDepth = bitDepth;
    spec.samples = std::move(samples);
    return spec;
}

inline std::vector<std::uint8_t> WritePng(const PngSpec& spec)
{
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t length) {
            auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            bytes->insert(bytes->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty())
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    if (!spec.paletteAlpha.empty())
        png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()), nullptr);
    if (spec.transparentGrey >= 0) {
        png_color_16 grey{};
        grey.gray = static_cast<png_uint_16>(spec.transparentGrey);
        png_set_tRNS(png, info, nullptr, 0, &grey);
    }
    png_write_info(png, info);
    const std::size_t rowBytes = spec.samples.size() / spec.height;
    std::vector<png_bytep> rows;
    for (int y = 0; y < spec.height; ++y)
        rows.push_back(const_cast<png_bytep>(spec.samples.data() + y * rowBytes));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Every pixel of the image, row by row, as 0xAARRGGBB.
inline std::vector<std::uint32_t> Pixels(CHfcBmp& bitmap)
{
    std::vector<std::uint32_t> pixels;
    const BYTE* rows = bitmap.LockBits();
    if (rows == nullptr)
        return pixels;
    for (int y = 0; y < bitmap.GetHeight(); ++y) {
        const BYTE* row = rows + y * bitmap.GetStride();
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + x * 4, 4);
            pixels.push_back(pixel);
        }
    }
    bitmap.UnlockBits();
    return pixels;
}

// Sets every pixel, row by row, from 0xAARRGGBB values.
inline void Fill(CHfcBmp& bitmap, const std::vector<std::uint32_t>& pixels)
{
    BYTE* rows = bitmap.LockBits();
    for (int y = 0; rows != nullptr && y < bitmap.GetHeight(); ++y)
        std::memcpy(rows + y * bitmap.GetStride(), pixels.data() + std::size_t(y) * bitmap.GetWidth(),
                    std::size_t(bitmap.GetWidth()) * 4);
    bitmap.UnlockBits();
}

// A width x height image of one colour.
inline void MakeSolid(CHfcBmp& bitmap, int width, int height, std::uint32_t argb)
{
    bitmap.Create(width, height);
    Fill(bitmap, std::vector<std::uint32_t>(std::size_t(width) * height, argb));
}

}  // namespace ui_test
