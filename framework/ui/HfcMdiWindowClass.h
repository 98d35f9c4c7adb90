#pragma once
// The window class that the MDI frame and the MDI children register: the
// application icon, the arrow cursor and a white background.
#include <platform/window.h>

ATOM RegisterMdiWindowClass(const char* name, UINT style, WNDPROC procedure);
