#include "x11_titles.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform::detail {

void SetLegacyWindowName(SDL_Window* window, const char* utf8Title)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
        return;
    char* titles[] = {const_cast<char*>(utf8Title)};
    XTextProperty name{};
    // Latin-1 as a string, anything else as compound text; what this
    // locale cannot encode so goes as UTF-8, which Xlib's readers decode.
    int status = Xutf8TextListToTextProperty(info.info.x11.display, titles, 1, XStdICCTextStyle, &name);
    if (status != Success) {
        if (status > 0)
            XFree(name.value);
        status = Xutf8TextListToTextProperty(info.info.x11.display, titles, 1, XUTF8StringStyle, &name);
    }
    if (status != Success)
        return;
    XSetWMName(info.info.x11.display, info.info.x11.window, &name);
    XFree(name.value);
}

}  // namespace platform::detail
