#include "window_table.h"

#include <platform/kernel.h>

#include <mutex>
#include <unordered_map>

namespace platform::detail {
namespace {

struct WindowTable {
    std::mutex mutex;
    std::unordered_map<HWND, std::shared_ptr<Window>> windows;
    // Handles are never reused, so a stale handle never reaches a new window.
    ULONG_PTR nextHandle = 0x10000;
};

WindowTable& Windows()
{
    static WindowTable* table = new WindowTable;
    return *table;
}

}  // namespace

std::shared_ptr<Window> AddWindow(std::shared_ptr<Window> window)
{
    auto& table = Windows();
    std::lock_guard lock(table.mutex);
    table.nextHandle += 4;
    window->handle = reinterpret_cast<HWND>(table.nextHandle);
    table.windows.emplace(window->handle, window);
    return window;
}

void RemoveWindow(HWND handle)
{
    std::shared_ptr<Window> removed;  // released outside the table lock
    auto& table = Windows();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(handle);
    if (found == table.windows.end()) return;
    removed = std::move(found->second);
    table.windows.erase(found);
}

std::shared_ptr<Window> FindWindowRecord(HWND handle)
{
    auto& table = Windows();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(handle);
    if (found != table.windows.end()) return found->second;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

LRESULT CallWindow(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto window = FindWindowRecord(handle);
    if (!window) return 0;
    return window->procedure(handle, message, wParam, lParam);
}

}  // namespace platform::detail
