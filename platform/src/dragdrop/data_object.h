#pragma once
// A data object over global memory blocks, one per format, with the list
// of its formats; the platform's own drops are made of it.
#include <platform/ole.h>

namespace platform::dragdrop {

// With one reference for the caller.
IDataObject* NewDataObject();
// Hands the block to the data object (which frees it); false, and the
// block stays the caller's, when it cannot be added.
bool OfferBlock(IDataObject* data, UINT format, LONG index, HGLOBAL block);

}  // namespace platform::dragdrop
