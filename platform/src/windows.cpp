// Window creation and destruction, window procedures and window words.
#include "display/window_hooks.h"
#include "message_queue.h"
#include "window_table.h"

#include <platform/kernel.h>

#include <algorithm>
#include <cstring>

namespace platform::detail {
namespace {

void Unlink(Window& window)
{
    if (auto parent = FindWindowRecord(window.parent))
        std::erase(parent->children, window.handle);
    WindowRemoved(window);
    ReleaseWindowClass(*window.windowClass);
    CurrentQueue()->timers.KillWindow(window.handle);
    RemoveWindow(window.handle);
}

void SendDestroy(const std::shared_ptr<Window>& window)
{
    window->destroying = true;
    CallWindow(window->handle, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(window->children))
        if (auto record = FindWindowRecord(child))
            SendDestroy(record);
}

void SendNcDestroy(const std::shared_ptr<Window>& window)
{
    for (HWND child : std::vector<HWND>(window->children))
        if (auto record = FindWindowRecord(child))
            SendNcDestroy(record);
    CallWindow(window->handle, WM_NCDESTROY, 0, 0);
    Unlink(*window);
}

template <class CreateStruct, class Text>
HWND CreateWindowFrom(const ClassName& className, Text classText, Text windowName, bool unicode, DWORD exStyle,
                      DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                      LPVOID param)
{
    EnsureDisplayModule();
    std::shared_ptr<Window> parentRecord;
    if (parent && !(parentRecord = FindWindowRecord(parent)))
        return nullptr;
    auto windowClass = UseWindowClass(className);
    if (!windowClass)
        return nullptr;

    auto window = std::make_shared<Window>();
    window->threadId = CurrentQueue()->threadId;
    window->windowClass = windowClass;
    window->procedure = windowClass->procedure;
    window->unicode = unicode;
    window->parent = parent;
    window->style = style;
    window->exStyle = exStyle;
    window->menuOrId = menu;
    window->instance = instance;
    window->extraBytes.assign(static_cast<size_t>(windowClass->windowExtraBytes), 0);
    PrepareWindow(*window, x, y, width, height, windowName);
    HWND handle = AddWindow(window)->handle;
    if (parentRecord)
        parentRecord->children.push_back(handle);

    CreateStruct create{param,      instance,       menu,
                        parent,     window->height, window->width,
                        window->y,  window->x,      static_cast<LONG>(style),
                        windowName, classText,      exStyle};
    auto createParam = reinterpret_cast<LPARAM>(&create);
    if (!CallWindow(handle, WM_NCCREATE, 0, createParam)) {
        if (IsWindow(handle))
            SendNcDestroy(window);
        return nullptr;
    }
    if (CallWindow(handle, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    CallWindow(handle, WM_SIZE, SIZE_RESTORED, ClientSizeParam(*window));
    CallWindow(handle, WM_MOVE, 0, ClientOriginParam(*window));
    // The procedure may have destroyed the window already.
    if (!IsWindow(handle))
        return nullptr;
    WindowCreated(handle);
    return IsWindow(handle) ? handle : nullptr;
}

// The owner thread's record, or null with the last error set.
std::shared_ptr<Window> OwnWindow(HWND handle)
{
    auto window = FindWindowRecord(handle);
    if (window && window->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return window;
}

bool ExtraBytesAt(const Window& window, int index)
{
    return index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= window.extraBytes.size();
}

LONG_PTR GetLong(HWND handle, int index)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->procedure);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(window->parent);
    case GWLP_ID: return reinterpret_cast<LONG_PTR>(window->menuOrId);
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    case GWLP_USERDATA: return window->userData;
    }
    if (!ExtraBytesAt(*window, index)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value;
    std::memcpy(&value, window->extraBytes.data() + index, sizeof value);
    return value;
}

template <class T>
LONG_PTR Exchange(T& field, T value)
{
    T previous = field;
    field = value;
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<LONG_PTR>(previous);
    else
        return static_cast<LONG_PTR>(previous);
}

LONG_PTR SetLong(HWND handle, int index, LONG_PTR value)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (!value)
            break;
        return Exchange(window->procedure, reinterpret_cast<WNDPROC>(value));
    case GWLP_HINSTANCE: return Exchange(window->instance, reinterpret_cast<HINSTANCE>(value));
    case GWLP_ID: return Exchange(window->menuOrId, reinterpret_cast<HMENU>(value));
    case GWL_STYLE: return static_cast<LONG>(Exchange(window->style, static_cast<DWORD>(value)));
    case GWL_EXSTYLE: return static_cast<LONG>(Exchange(window->exStyle, static_cast<DWORD>(value)));
    case GWLP_USERDATA: return Exchange(window->userData, value);
    default:
        if (!ExtraBytesAt(*window, index))
            break;
        LONG_PTR previous;
        std::memcpy(&previous, window->extraBytes.data() + index, sizeof previous);
        std::memcpy(window->extraBytes.data() + index, &value, sizeof value);
        return previous;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

}  // namespace
}  // namespace platform::detail

using namespace platform::detail;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    if (!className)
        return nullptr;
    return CreateWindowFrom<CREATESTRUCTA>(ClassName::From(className), className, windowName, false, exStyle, style, x,
                                           y, width, height, parent, menu, instance, param);
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    if (!className)
        return nullptr;
    return CreateWindowFrom<CREATESTRUCTW>(ClassName::From(className), className, windowName, true, exStyle, style, x,
                                           y, width, height, parent, menu, instance, param);
}

BOOL DestroyWindow(HWND handle)
{
    auto window = OwnWindow(handle);
    if (!window || window->destroying)
        return FALSE;
    WindowDestroying(handle);
    SendDestroy(window);
    SendNcDestroy(window);
    return TRUE;
}

BOOL IsWindow(HWND handle)
{
    DWORD error = GetLastError();
    bool exists = FindWindowRecord(handle) != nullptr;
    SetLastError(error);
    return exists ? TRUE : FALSE;
}

HWND GetParent(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window ? window->parent : nullptr;
}

DWORD GetWindowThreadProcessId(HWND handle, LPDWORD processId)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return 0;
    if (processId)
        *processId = 1;  // one process
    return window->threadId;
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(handle); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    }
    return DisplayDefWindowProc(handle, message, wParam, lParam);
}

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    return procedure ? procedure(handle, message, wParam, lParam) : 0;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(procedure, handle, message, wParam, lParam);
}

LONG_PTR GetWindowLongPtrA(HWND handle, int index)
{
    return GetLong(handle, index);
}
LONG_PTR GetWindowLongPtrW(HWND handle, int index)
{
    return GetLong(handle, index);
}
LONG_PTR SetWindowLongPtrA(HWND handle, int index, LONG_PTR value)
{
    return SetLong(handle, index, value);
}
LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR value)
{
    return SetLong(handle, index, value);
}
