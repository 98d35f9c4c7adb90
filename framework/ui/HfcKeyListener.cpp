#include "framework/ui/HfcKeyListener.h"

bool CHfcKeyListener::OnHfcKeyDown(CHfcKey*, int, int)
{
    return false;
}
bool CHfcKeyListener::OnHfcKeyUp(CHfcKey*, int, int)
{
    return false;
}
bool CHfcKeyListener::OnHfcKeyInput(CHfcKey*, int, int)
{
    return false;
}
void CHfcKeyListener::OnHfcKeyGetFocus(CHfcKey*)
{}
void CHfcKeyListener::OnHfcKeyLostFocus(CHfcKey*)
{}
