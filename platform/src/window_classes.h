#pragma once
// The process's window classes, by name (any case) or atom.
#include <platform/window.h>

#include <memory>
#include <string>

namespace platform::detail {

struct WindowClass
{
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    int classExtraBytes = 0;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    HICON smallIcon = nullptr;
    bool unicode = false;
    int windows = 0;  // guarded by the class table
};

// A class name given as text (UTF-8) or, when IS_INTRESOURCE, as its atom.
struct ClassName
{
    std::string text;
    ATOM atom = 0;
    static ClassName From(LPCSTR name);
    static ClassName From(LPCWSTR name);
};

ATOM RegisterWindowClass(const ClassName& name, WindowClass windowClass);
BOOL UnregisterWindowClass(const ClassName& name);
// Counts the new window against the class; null when there is no such class.
std::shared_ptr<WindowClass> UseWindowClass(const ClassName& name);
void ReleaseWindowClass(WindowClass& windowClass);

}  // namespace platform::detail
