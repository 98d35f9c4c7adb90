#include "capture_loop.h"

#include <platform/input.h>

namespace platform::detail {

bool NextCapturedMessage(HWND window, MSG& msg)
{
    if (GetCapture() != window)
        return false;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return true;
}

void DispatchUnlessMouse(MSG& msg)
{
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace platform::detail
