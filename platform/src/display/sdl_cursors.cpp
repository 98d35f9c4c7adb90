#include "sdl_cursors.h"

#include "drag_cursor_art.h"

#include <optional>

namespace platform::detail {
namespace {

SDL_SystemCursor SystemCursorOf(WORD id)
{
    switch (id) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648: return SDL_SYSTEM_CURSOR_NO;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    }
    return SDL_SYSTEM_CURSOR_ARROW;
}

}  // namespace

SDL_Cursor* MakeSdlCursor(WORD id)
{
    std::optional<CursorArt> art = DragCursorArt(id);
    if (!art)
        return SDL_CreateSystemCursor(SystemCursorOf(id));
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(art->pixels.data(), art->width, art->height, 32,
                                                              art->width * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_Cursor* cursor = picture ? SDL_CreateColorCursor(picture, art->hotSpot.x, art->hotSpot.y) : nullptr;
    SDL_FreeSurface(picture);
    return cursor;
}

}  // namespace platform::detail
