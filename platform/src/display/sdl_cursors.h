#pragma once
#include <platform/types.h>

#include <SDL.h>

namespace platform::detail {

// The cursor for a standard cursor id: the drag cursors drawn by us, the
// others the desktop's own. Null when SDL cannot make it.
SDL_Cursor* MakeSdlCursor(WORD id);

}  // namespace platform::detail
