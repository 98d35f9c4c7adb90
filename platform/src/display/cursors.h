#pragma once
// The standard cursors and icon as handles.
#include <platform/types.h>

namespace platform::detail {

// The standard id behind a cursor handle; 0 for none.
WORD CursorId(HCURSOR cursor);
HCURSOR StandardCursor(WORD id);

}  // namespace platform::detail
