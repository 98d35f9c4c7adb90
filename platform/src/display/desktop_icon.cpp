#include "desktop_icon.h"

#include "backend.h"
#include "geometry.h"
#include "icons.h"

namespace platform::detail {

void ShowDesktopIcon(Window& topLevel)
{
    DisplayState& state = StateOf(topLevel);
    if (!IsTopLevel(topLevel) || !state.surface)
        return;
    for (HICON candidate : {state.icons[1], state.icons[0], topLevel.windowClass->icon})
        if (auto image = FindIcon(candidate)) {
            Display().SetIcon(topLevel.handle, *image);
            return;
        }
}

}  // namespace platform::detail
