#pragma once
// Drag and drop in tests. A drag is driven by the injected mouse and keys
// of testing/display.h (queue the moves and the release or Escape before
// calling DoDragDrop); a file drop from the desktop is DropFiles there.
#include <platform/ole.h>

#include <cstddef>
#include <functional>

namespace platform::testing {

// The platform's own data object, with one reference for the caller.
IDataObject* NewDataObject();
// Copies the bytes into a new global block offered in the format; false
// when the data object refuses it.
bool OfferData(IDataObject* data, UINT format, LONG index, const void* bytes, std::size_t size);

// Runs inside DoDragDrop once the drag has the pointer, before any input is
// handled, as a user would act: it may queue moves, keys and the release,
// which the drag then handles. Each drag takes the oldest script left; one
// without a script runs as usual.
using DragScript = std::function<void()>;
void QueueDragScript(DragScript script);
// Drops the scripts no drag took, answering how many there were.
std::size_t DiscardDragScripts();

}  // namespace platform::testing
