#pragma once
// The standard cursors and icon as handles.
#include <platform/types.h>

namespace platform::detail {

// The cursors a drag shows for the effect a drop would have; they have no
// IDC_ names and are drawn by us (see drag_cursor_art.h).
inline constexpr WORD kDragMoveCursor = 32761;
inline constexpr WORD kDragCopyCursor = 32762;
inline constexpr WORD kDragLinkCursor = 32763;

// The standard id behind a cursor handle; 0 for none.
WORD CursorId(HCURSOR cursor);
HCURSOR StandardCursor(WORD id);

}  // namespace platform::detail
