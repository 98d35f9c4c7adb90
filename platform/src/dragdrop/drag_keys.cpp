#include "drag_keys.h"

#include <platform/input.h>
#include <platform/ole.h>

namespace platform::dragdrop {

DWORD DragKeyState()
{
    static constexpr struct
    {
        int key;
        DWORD flag;
    } kKeys[] = {{VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON}, {VK_MBUTTON, MK_MBUTTON},
                 {VK_SHIFT, MK_SHIFT},     {VK_CONTROL, MK_CONTROL}, {VK_MENU, MK_ALT}};
    DWORD state = 0;
    for (const auto& key : kKeys)
        if (GetKeyState(key.key) < 0)
            state |= key.flag;
    return state;
}

}  // namespace platform::dragdrop
