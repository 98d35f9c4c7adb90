#pragma once
// The pictures of the drag cursors: the arrow with a badge below it, a
// frame for a move, a plus for a copy, a bent arrow for a link.
#include <platform/types.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::detail {

struct CursorArt
{
    int width = 0;
    int height = 0;
    POINT hotSpot{0, 0};
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, straight alpha, rows top-down
};

// None for an id that is no drag cursor.
std::optional<CursorArt> DragCursorArt(WORD cursorId);

}  // namespace platform::detail
