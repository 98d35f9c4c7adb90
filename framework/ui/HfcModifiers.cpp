#include "framework/ui/HfcModifiers.h"

#include <platform/input.h>

namespace {

bool Held(int key)
{
    return GetAsyncKeyState(key) < 0;
}

}  // namespace

int HfcMouseModifiers(WPARAM keys)
{
    int modifiers = 0;
    if (keys & MK_SHIFT)
        modifiers |= kHfcModifierShift;
    if (keys & MK_CONTROL)
        modifiers |= kHfcModifierCtrl;
    if (Held(VK_MENU))
        modifiers |= kHfcModifierAlt;
    return modifiers;
}

int HfcKeyboardModifiers()
{
    int modifiers = 0;
    if (Held(VK_SHIFT))
        modifiers |= kHfcModifierShift;
    if (Held(VK_CONTROL))
        modifiers |= kHfcModifierCtrl;
    if (Held(VK_MENU))
        modifiers |= kHfcModifierAlt;
    return modifiers;
}
