#include "screenshot.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace platform::detail {

bool WritePng(const Surface& surface, const char* path)
{
    if (!path || surface.width <= 0 || surface.height <= 0)
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "wb"), std::fclose);
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row(static_cast<size_t>(surface.width) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width), static_cast<png_uint_32>(surface.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.height; ++y) {
        const std::uint32_t* pixels = surface.Row(y);
        for (int x = 0; x < surface.width; ++x) {
            row[3 * x] = static_cast<png_byte>(pixels[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

}  // namespace platform::detail
