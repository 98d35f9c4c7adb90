#pragma once
#include <string>

namespace platform::detail {

// Starts SDL's video on a desktop the user can see. SDL falls back to
// drivers that show nothing (offscreen, dummy) when no X11 or Wayland
// display answers; those start only when SDL_VIDEODRIVER names them.
// False with the reason otherwise.
bool StartSdlVideo(std::string& failure);

}  // namespace platform::detail
