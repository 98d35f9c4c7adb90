// A Windows bitmap resource: a packed DIB.
#include "FuzzInput.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcPackedDib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcBmp bitmap;
    ConvertPackedDib(data, size, bitmap);
    return 0;
}
