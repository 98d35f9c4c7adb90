#pragma once
// Windows bitmap resources: a packed DIB (header, optional palette, pixel
// rows padded to 4 bytes) converted to the framework's image.
#include <platform/types.h>

#include <cstddef>

class CHfcBmp;

// Recreates the bitmap at the header's size and converts 8-bit palette,
// 24-bit and 32-bit pixels (alpha 0xFF but for 32 bits, which are copied
// as they are); other depths, and a palette before anything but 8 bits,
// leave it transparent. False, with nothing allocated, when the header or
// the rows do not fit in size bytes or the size is beyond HfcImageLimits.h.
bool ConvertPackedDib(const BYTE* dib, std::size_t size, CHfcBmp& bitmap);
