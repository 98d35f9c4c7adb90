// PNG decoding, as the skin bitmaps are decoded from the resources.
#include "FuzzInput.h"

#include "framework/ui/HfcBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcBmp bitmap;
    bitmap.DecodePng(data, size);
    return 0;
}
