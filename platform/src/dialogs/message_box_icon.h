#pragma once
// The icons of message boxes, drawn rather than loaded.
#include <platform/types.h>

#include <cairo.h>

namespace platform::dialogs {

inline constexpr int kMessageIconSize = 32;

// False for icon bits that name no icon.
bool HasMessageIcon(UINT type);
// The icon of the type's icon bits with its top-left at (x, y).
void DrawMessageIcon(cairo_t* cr, UINT type, int x, int y);

}  // namespace platform::dialogs
