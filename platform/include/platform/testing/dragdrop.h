#pragma once
// Drag and drop in tests. A drag is driven by the injected mouse and keys
// of testing/display.h (queue the moves and the release or Escape before
// calling DoDragDrop); a file drop from the desktop is DropFiles there.
#include <platform/ole.h>

#include <cstddef>

namespace platform::testing {

// The platform's own data object, with one reference for the caller.
IDataObject* NewDataObject();
// Copies the bytes into a new global block offered in the format; false
// when the data object refuses it.
bool OfferData(IDataObject* data, UINT format, LONG index, const void* bytes, std::size_t size);

}  // namespace platform::testing
