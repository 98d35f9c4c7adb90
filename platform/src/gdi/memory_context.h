#pragma once
// A device context that draws on the bitmap selected into it.
#include "gdi_objects.h"

namespace platform::gdi {

class MemoryContext : public DeviceContext
{
public:
    MemoryContext(std::shared_ptr<Bitmap> bitmap, HGDIOBJ bitmapHandle)
        : bitmap(std::move(bitmap)), bitmapHandle(bitmapHandle)
    {}
    DrawTarget Target() override;

    std::shared_ptr<Bitmap> bitmap;
    HGDIOBJ bitmapHandle;
};

// The 1 x 1 bitmap every memory context starts with.
HGDIOBJ StockBitmap();

}  // namespace platform::gdi
