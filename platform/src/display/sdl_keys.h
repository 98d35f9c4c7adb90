#pragma once
#include <platform/types.h>

#include <SDL.h>

namespace platform::detail {

// The virtual key of an SDL key; 0 for a key without one.
UINT VirtualKeyOf(SDL_Keycode key);

}  // namespace platform::detail
