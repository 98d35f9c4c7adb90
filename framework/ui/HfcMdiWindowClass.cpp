#include "framework/ui/HfcMdiWindowClass.h"

#include "framework/ui/HfcAppBase.h"

#include <platform/gdi.h>
#include <platform/input.h>

ATOM RegisterMdiWindowClass(const char* name, UINT style, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetInstanceHandle();
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    // A second registration of the class fails; the first one stands.
    return RegisterClassExA(&windowClass);
}
