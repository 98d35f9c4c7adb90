#pragma once
// Window records. Every window belongs to the thread that made it; only
// that thread changes it. A record stays alive while a call into its
// procedure runs, so a window may destroy itself from there.
#include "window_classes.h"

#include <memory>
#include <vector>

namespace platform::detail {

struct DisplayState;  // what the display keeps of a visible window

struct Window
{
    HWND handle = nullptr;
    DWORD threadId = 0;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC procedure = nullptr;
    bool unicode = false;
    HWND parent = nullptr;
    std::vector<HWND> children;  // bottom of the z-order first
    DWORD style = 0;
    DWORD exStyle = 0;
    HMENU menuOrId = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extraBytes;
    int x = 0, y = 0, width = 0, height = 0;
    bool destroying = false;
    std::shared_ptr<DisplayState> display;
};

// Enters a new record and gives it its handle.
std::shared_ptr<Window> AddWindow(std::shared_ptr<Window> window);
void RemoveWindow(HWND handle);
std::shared_ptr<Window> FindWindowRecord(HWND handle);

// Calls the window's current procedure; 0 when the window is gone.
LRESULT CallWindow(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::detail
