#include "sdl_video.h"

#include "x11_errors.h"

#include <SDL.h>

#include <strings.h>

#include <sstream>

namespace platform::detail {
namespace {

bool Unseen(const char* driver)
{
    return strcasecmp(driver, "offscreen") == 0 || strcasecmp(driver, "dummy") == 0;
}

// SDL_VIDEODRIVER (the variable or the hint) may list several drivers.
bool AskedFor(const char* driver)
{
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    std::istringstream names(asked ? asked : "");
    for (std::string name; std::getline(names, name, ',');)
        if (strcasecmp(name.c_str(), driver) == 0)
            return true;
    return false;
}

std::string Variable(const char* name)
{
    const char* value = SDL_getenv(name);
    // Appended in steps: GCC 12 warns falsely (-Wrestrict) on "=" + text.
    std::string text = name;
    if (value && *value)
        text.append("=").append(value);
    else
        text.append(" unset");
    return text;
}

}  // namespace

bool StartSdlVideo(std::string& failure)
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Window surfaces are plain memory blitted by the desktop: no GL driver
    // to load for them.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Before SDL's X11 driver starts: it keeps the handler it finds and puts
    // it back when it stops, while its connections still hold late errors.
    LetLateWakeupsPass();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        failure = SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && Unseen(driver) && !AskedFor(driver)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        failure = "no X11 or Wayland display could be opened (" + Variable("DISPLAY") + ", " +
                  Variable("WAYLAND_DISPLAY") + ")";
        return false;
    }
    return true;
}

}  // namespace platform::detail
