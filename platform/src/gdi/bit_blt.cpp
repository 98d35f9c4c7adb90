#include "gdi_objects.h"

#include <platform/kernel.h>

#include <cstring>

using namespace platform::gdi;

namespace {

// Rectangles are in buffer coordinates; moved rows never lose their source
// when both areas share one buffer.
void CopyRect(const PixelBuffer& from, POINT fromOrigin, const PixelBuffer& to, const RECT& area)
{
    const int width = area.right - area.left;
    const bool sameBuffer = from.pixels == to.pixels;
    const bool upwards = sameBuffer && fromOrigin.y < area.top;
    for (int i = 0; i < area.bottom - area.top; ++i) {
        int row = upwards ? area.bottom - 1 - i : area.top + i;
        std::memmove(to.Row(row) + area.left, from.Row(fromOrigin.y + row - area.top) + fromOrigin.x,
                     std::size_t(width) * 4);
    }
}

}  // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop)
{
    if (rop != SRCCOPY || width < 0 || height < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawTarget to = TargetOf(destination);
    DrawTarget from = TargetOf(source);
    if (to.buffer.Empty() || from.buffer.Empty()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // Source and destination areas in destination buffer coordinates.
    const LONG dx = x + to.origin.x, dy = y + to.origin.y;
    const LONG sx = sourceX + from.origin.x, sy = sourceY + from.origin.y;
    RECT wanted{dx, dy, dx + width, dy + height};
    for (const RECT& sourcePart : from.visible) {
        RECT shifted{sourcePart.left - sx + dx, sourcePart.top - sy + dy, sourcePart.right - sx + dx,
                     sourcePart.bottom - sy + dy};
        RECT reach = Overlap(wanted, shifted);
        for (const RECT& destinationPart : to.visible) {
            RECT area = Overlap(reach, destinationPart);
            if (IsEmptyRect(area))
                continue;
            CopyRect(from.buffer, {area.left - dx + sx, area.top - dy + sy}, to.buffer, area);
        }
    }
    return TRUE;
}
