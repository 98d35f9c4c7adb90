#pragma once
// PNG decoding with libpng straight into an image's pixel memory.
#include <platform/types.h>

#include <cstddef>

class CHfcBmp;

// Recreates the bitmap at the PNG's size and decodes every colour type to
// blue, green, red, alpha rows (opaque where the PNG has no alpha or
// transparency chunk). Reads no byte past size. False, with the bitmap
// empty and unlocked, for anything but a whole valid PNG, and for a size
// beyond HfcImageLimits.h. Ancillary chunks other than transparency are
// skipped unread.
bool DecodePngInto(const BYTE* data, std::size_t size, CHfcBmp& bitmap);
