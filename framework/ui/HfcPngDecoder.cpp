#include "framework/ui/HfcPngDecoder.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcImageLimits.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

// Everything that outlives a jump out of libpng lives here, built before the
// jump point, so no destructor is skipped.
struct Decode
{
    const BYTE* position;
    const BYTE* end;
    CHfcBmp& bitmap;
    bool locked = false;
    std::vector<png_bytep> rows;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count)
{
    auto* decode = static_cast<Decode*>(png_get_io_ptr(png));
    if (count > static_cast<png_size_t>(decode->end - decode->position))
        png_error(png, "truncated");
    std::memcpy(out, decode->position, count);
    decode->position += count;
}

[[noreturn]] void Fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp)
{}

// Chunks that no decode here uses: skipped unread, so a length they claim
// is never allocated.
constexpr png_byte kIgnoredChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
                                      "sBIT\0sCAL\0sPLT\0sRGB\0sTER\0tEXt\0tIME\0zTXt";
constexpr int kIgnoredChunkCount = static_cast<int>(sizeof kIgnoredChunks / 5);
// Above any palette or transparency chunk a valid image can have.
constexpr png_alloc_size_t kMaxChunkAllocation = 64 * 1024;

void LimitResources(png_structp png)
{
    png_set_user_limits(png, static_cast<png_uint_32>(kMaxImageSide), static_cast<png_uint_32>(kMaxImageSide));
    png_set_chunk_malloc_max(png, kMaxChunkAllocation);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks, kIgnoredChunkCount);
}

// Holds only trivially destructible locals: libpng may jump out of any call.
bool ReadImage(png_structp png, png_infop info, Decode& decode)
{
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    png_set_read_fn(png, &decode, ReadBytes);
    LimitResources(png);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    if (!IsImageSizeAllowed(width, height))
        return false;

    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (bitDepth > 8)
        png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    // Every row must come out as exactly one pixel row of the bitmap.
    if (png_get_rowbytes(png, info) != png_size_t{width} * 4)
        return false;

    if (!decode.bitmap.Create(static_cast<int>(width), static_cast<int>(height)))
        return false;
    BYTE* pixels = decode.bitmap.LockBits();
    if (pixels == nullptr)
        return false;
    decode.locked = true;
    decode.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        decode.rows[y] = pixels + std::size_t(y) * decode.bitmap.GetStride();
    png_read_image(png, decode.rows.data());
    return true;
}

}  // namespace

bool DecodePngInto(const BYTE* data, std::size_t size, CHfcBmp& bitmap)
{
    bitmap.Release();
    if (data == nullptr)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    Decode decode{data, data + size, bitmap, false, {}};
    const bool decoded = info != nullptr && ReadImage(png, info, decode);
    if (decode.locked)
        bitmap.UnlockBits();
    png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    if (!decoded)
        bitmap.Release();
    return decoded;
}
