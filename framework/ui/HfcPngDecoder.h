#pragma once
// PNG decoding with libpng straight into an image's pixel memory.
#include <platform/types.h>

#include <cstddef>

class CHfcBmp;

// Recreates the bitmap at the PNG's size and decodes every colour type to
// blue, green, red, alpha rows (opaque where the PNG has no alpha or
// transparency chunk). Reads no byte past size. False, with the bitmap
// empty and unlocked, for anything but a whole valid PNG.
bool DecodePngInto(const BYTE* data, std::size_t size, CHfcBmp& bitmap);
