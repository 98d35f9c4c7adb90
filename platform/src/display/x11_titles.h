#pragma once
// On an X11 display: the title also as WM_NAME in a form every reader of
// that property decodes. SDL converts it through the C library's locale,
// which in the "C" locale garbles every title beyond ASCII, Japanese ones
// among them.
struct SDL_Window;

namespace platform::detail {

void SetLegacyWindowName(SDL_Window* window, const char* utf8Title);

}  // namespace platform::detail
