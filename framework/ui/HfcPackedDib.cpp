#include "framework/ui/HfcPackedDib.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcImageLimits.h"

#include <platform/gdi.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kPaletteEntrySize = 4;

std::uint32_t Opaque(BYTE blue, BYTE green, BYTE red)
{
    return 0xFF000000u | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}

struct Layout
{
    std::size_t paletteOffset = 0;
    std::size_t paletteEntries = 0;
    std::size_t pixelOffset = 0;
    std::size_t pitch = 0;
};

bool Fits(std::size_t offset, std::size_t length, std::size_t size)
{
    return offset <= size && length <= size - offset;
}

}  // namespace

bool ConvertPackedDib(const BYTE* dib, std::size_t size, CHfcBmp& bitmap)
{
    bitmap.Release();
    BITMAPINFOHEADER header;
    if (dib == nullptr || size < sizeof header)
        return false;
    std::memcpy(&header, dib, sizeof header);
    // Widened first: the height's magnitude does not fit an int for INT_MIN.
    const std::int64_t height64 = std::abs(std::int64_t{header.biHeight});
    if (header.biSize < sizeof header || !IsImageSizeAllowed(header.biWidth, height64))
        return false;
    const int width = header.biWidth;
    const int height = static_cast<int>(height64);

    const std::size_t coloursUsed = header.biClrUsed & 0xFFFF;
    // A palette is only understood in front of 8-bit pixels; other depths
    // have no layout to check and stay transparent.
    Layout layout;
    layout.paletteOffset = header.biSize;
    const bool converted = coloursUsed == 0 || header.biBitCount == 8;
    switch (converted ? header.biBitCount : 0) {
    case 8:
        layout.paletteEntries = coloursUsed != 0 ? coloursUsed : 256;
        layout.pixelOffset = header.biSize + layout.paletteEntries * kPaletteEntrySize;
        layout.pitch = (std::size_t(width) + 3) & ~std::size_t{3};
        break;
    case 24:
        layout.pixelOffset = header.biSize;
        layout.pitch = (std::size_t(width) * 3 + 3) & ~std::size_t{3};
        break;
    case 32:
        layout.pixelOffset = header.biSize;
        layout.pitch = std::size_t(width) * 4;
        break;
    default: return bitmap.Create(width, height);
    }
    // Checked before the bitmap is made, so a damaged header costs no memory.
    if (!Fits(layout.paletteOffset, layout.paletteEntries * kPaletteEntrySize, size) ||
        !Fits(layout.pixelOffset, layout.pitch * std::size_t(height), size) || !bitmap.Create(width, height))
        return false;

    BYTE* pixels = bitmap.LockBits();
    if (pixels == nullptr) {
        bitmap.Release();
        return false;
    }
    const BYTE* palette = dib + layout.paletteOffset;
    for (int row = 0; row < height; ++row) {
        // Rows are stored bottom-up unless the height is negative.
        const int y = header.biHeight > 0 ? height - 1 - row : row;
        const BYTE* in = dib + layout.pixelOffset + layout.pitch * row;
        auto* out = reinterpret_cast<std::uint32_t*>(pixels + std::size_t(y) * bitmap.GetStride());
        for (int x = 0; x < width; ++x) {
            switch (header.biBitCount) {
            case 8:
                if (in[x] < layout.paletteEntries) {
                    const BYTE* entry = palette + in[x] * kPaletteEntrySize;
                    out[x] = Opaque(entry[0], entry[1], entry[2]);
                }
                break;
            case 24: out[x] = Opaque(in[x * 3], in[x * 3 + 1], in[x * 3 + 2]); break;
            default: std::memcpy(&out[x], in + x * 4, 4); break;
            }
        }
    }
    bitmap.UnlockBits();
    return true;
}
