#include "window_table.h"

#include "handle_table.h"

#include <platform/kernel.h>

namespace platform::detail {
namespace {

HandleTable<HWND, Window>& Windows()
{
    static auto* table = new HandleTable<HWND, Window>(0x10000);
    return *table;
}

}  // namespace

std::shared_ptr<Window> AddWindow(std::shared_ptr<Window> window)
{
    window->handle = Windows().Add(window);
    return window;
}

void RemoveWindow(HWND handle)
{
    Windows().Take(handle);
}

std::shared_ptr<Window> FindWindowRecord(HWND handle)
{
    if (auto window = Windows().Find(handle))
        return window;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

LRESULT CallWindow(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return 0;
    return window->procedure(handle, message, wParam, lParam);
}

}  // namespace platform::detail
