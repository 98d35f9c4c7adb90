#include "framework/ui/HfcKeyFocusListener.h"

void CHfcKeyFocusListener::OnHfcKeyFocusSet(CHfcKeyFocus*)
{}
void CHfcKeyFocusListener::OnHfcKeyFocusKilled(CHfcKeyFocus*)
{}
bool CHfcKeyFocusListener::OnHfcKeyFocusKeyDown(CHfcKeyFocus*, int, int, int)
{
    return false;
}
bool CHfcKeyFocusListener::OnHfcKeyFocusKeyRepeat(CHfcKeyFocus* focus, int key, int reserved, int modifiers)
{
    return OnHfcKeyFocusKeyDown(focus, key, reserved, modifiers);
}
bool CHfcKeyFocusListener::OnHfcKeyFocusKeyUp(CHfcKeyFocus*, int, int, int)
{
    return false;
}
bool CHfcKeyFocusListener::OnHfcKeyFocusChar(CHfcKeyFocus*, int)
{
    return false;
}
bool CHfcKeyFocusListener::HitTest(CHfcKeyFocus*, int, int)
{
    return false;
}
