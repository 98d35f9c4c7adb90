#include "sdl_keys.h"

#include <platform/input.h>

namespace platform::detail {

UINT VirtualKeyOf(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<UINT>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return static_cast<UINT>(VK_F1 + (key - SDLK_F1));
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return static_cast<UINT>(VK_NUMPAD0 + 1 + (key - SDLK_KP_1));
    struct Pair
    {
        SDL_Keycode key;
        UINT virtualKey;
    };
    static constexpr Pair kKeys[] = {{SDLK_RETURN, VK_RETURN},
                                     {SDLK_ESCAPE, VK_ESCAPE},
                                     {SDLK_BACKSPACE, VK_BACK},
                                     {SDLK_TAB, VK_TAB},
                                     {SDLK_SPACE, VK_SPACE},
                                     {SDLK_LEFT, VK_LEFT},
                                     {SDLK_RIGHT, VK_RIGHT},
                                     {SDLK_UP, VK_UP},
                                     {SDLK_DOWN, VK_DOWN},
                                     {SDLK_HOME, VK_HOME},
                                     {SDLK_END, VK_END},
                                     {SDLK_PAGEUP, VK_PRIOR},
                                     {SDLK_PAGEDOWN, VK_NEXT},
                                     {SDLK_INSERT, VK_INSERT},
                                     {SDLK_DELETE, VK_DELETE},
                                     {SDLK_LSHIFT, VK_LSHIFT},
                                     {SDLK_RSHIFT, VK_RSHIFT},
                                     {SDLK_LCTRL, VK_LCONTROL},
                                     {SDLK_RCTRL, VK_RCONTROL},
                                     {SDLK_LALT, VK_LMENU},
                                     {SDLK_RALT, VK_RMENU},
                                     {SDLK_CAPSLOCK, VK_CAPITAL},
                                     {SDLK_PAUSE, VK_PAUSE},
                                     {SDLK_SEMICOLON, VK_OEM_1},
                                     {SDLK_EQUALS, VK_OEM_PLUS},
                                     {SDLK_COMMA, VK_OEM_COMMA},
                                     {SDLK_MINUS, VK_OEM_MINUS},
                                     {SDLK_PERIOD, VK_OEM_PERIOD},
                                     {SDLK_SLASH, VK_OEM_2},
                                     {SDLK_BACKQUOTE, VK_OEM_3},
                                     {SDLK_LEFTBRACKET, VK_OEM_4},
                                     {SDLK_BACKSLASH, VK_OEM_5},
                                     {SDLK_RIGHTBRACKET, VK_OEM_6},
                                     {SDLK_QUOTE, VK_OEM_7},
                                     {SDLK_KP_0, VK_NUMPAD0},
                                     {SDLK_KP_ENTER, VK_RETURN},
                                     {SDLK_KP_PLUS, VK_ADD},
                                     {SDLK_KP_MINUS, VK_SUBTRACT},
                                     {SDLK_KP_MULTIPLY, VK_MULTIPLY},
                                     {SDLK_KP_DIVIDE, VK_DIVIDE},
                                     {SDLK_KP_PERIOD, VK_DECIMAL}};
    for (const Pair& pair : kKeys)
        if (pair.key == key)
            return pair.virtualKey;
    return 0;
}

}  // namespace platform::detail
