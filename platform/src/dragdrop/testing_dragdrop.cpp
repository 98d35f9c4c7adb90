// The test hooks of drag and drop.
#include "data_object.h"

#include <platform/testing/dragdrop.h>

#include <cstring>

namespace platform::testing {

IDataObject* NewDataObject()
{
    return platform::dragdrop::NewDataObject();
}

bool OfferData(IDataObject* data, UINT format, LONG index, const void* bytes, std::size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return false;
    if (size)
        std::memcpy(GlobalLock(block), bytes, size), GlobalUnlock(block);
    if (platform::dragdrop::OfferBlock(data, format, index, block))
        return true;
    GlobalFree(block);
    return false;
}

}  // namespace platform::testing
