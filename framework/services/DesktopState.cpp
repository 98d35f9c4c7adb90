#include "framework/services/DesktopState.h"

#include <platform/display.h>
#include <platform/input.h>

void GetWorkArea(RECT& area)
{
    RECT workArea{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0))
        area = workArea;
    else
        area = RECT{};
}

int GetModifierKeys()
{
    int keys = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        keys |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        keys |= 2;
    if (GetKeyState(VK_MENU) < 0)
        keys |= 4;
    return keys;
}
