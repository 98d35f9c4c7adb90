#pragma once
// A crop of a picture for a person to look at: enlarged, its transparent
// pixels shown over a mid grey so that every colour reads, written as an
// RGB PNG.
#include <png.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// pixel(x, y) answers 0xAARRGGBB for 0 <= x < width, 0 <= y < height.
using CropPixel = std::function<std::uint32_t(int x, int y)>;

// The crop as RGB bytes, row by row, each pixel repeated scale times across
// and down and laid over mid grey by its alpha.
inline std::vector<std::uint8_t> CropRgb(int width, int height, int scale, const CropPixel& pixel)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * scale * height * scale * 3);
    for (int y = 0; y < height * scale; ++y) {
        for (int x = 0; x < width * scale; ++x) {
            const std::uint32_t value = pixel(x / scale, y / scale);
            const std::uint32_t alpha = value >> 24;
            std::uint8_t* out = &rgb[(static_cast<std::size_t>(y) * width * scale + x) * 3];
            for (int channel = 0; channel < 3; ++channel) {
                const std::uint32_t level = (value >> (16 - 8 * channel)) & 0xFF;
                out[channel] = static_cast<std::uint8_t>((level * alpha + 0x80 * (255 - alpha)) / 255);
            }
        }
    }
    return rgb;
}

// Writes RGB bytes of the size given as a PNG; the folder of the path is
// made when missing.
inline bool WriteRgbPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

inline bool WriteCropPng(const std::string& path, int width, int height, int scale, const CropPixel& pixel)
{
    return WriteRgbPng(path, width * scale, height * scale, CropRgb(width, height, scale, pixel));
}
