#include "window_classes.h"

#include "utf16.h"

#include <platform/kernel.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

namespace platform::detail {
namespace {

struct ClassTable
{
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<WindowClass>> byName;  // lower-case name
    ATOM nextAtom = 0xC000;
};

ClassTable& Classes()
{
    static ClassTable* table = new ClassTable;
    return *table;
}

std::string Folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Called with the table lock held.
std::map<std::string, std::shared_ptr<WindowClass>>::iterator Find(ClassTable& table, const ClassName& name)
{
    if (name.atom == 0)
        return table.byName.find(Folded(name.text));
    return std::find_if(table.byName.begin(), table.byName.end(),
                        [&](const auto& entry) { return entry.second->atom == name.atom; });
}

}  // namespace

ClassName ClassName::From(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return {{}, static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name))};
    return {name, 0};
}

ClassName ClassName::From(LPCWSTR name)
{
    if (IS_INTRESOURCE(name))
        return {{}, static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name))};
    return {Utf16ToUtf8(name), 0};
}

ATOM RegisterWindowClass(const ClassName& name, WindowClass windowClass)
{
    if (name.atom != 0 || name.text.empty() || !windowClass.procedure || windowClass.windowExtraBytes < 0 ||
        windowClass.classExtraBytes < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& table = Classes();
    std::lock_guard lock(table.mutex);
    auto& entry = table.byName[Folded(name.text)];
    if (entry) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    windowClass.name = name.text;
    windowClass.atom = table.nextAtom++;
    if (table.nextAtom == 0)
        table.nextAtom = 0xC000;
    entry = std::make_shared<WindowClass>(std::move(windowClass));
    return entry->atom;
}

BOOL UnregisterWindowClass(const ClassName& name)
{
    auto& table = Classes();
    std::lock_guard lock(table.mutex);
    auto found = Find(table, name);
    if (found == table.byName.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (found->second->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    table.byName.erase(found);
    return TRUE;
}

std::shared_ptr<WindowClass> UseWindowClass(const ClassName& name)
{
    auto& table = Classes();
    std::lock_guard lock(table.mutex);
    auto found = Find(table, name);
    if (found == table.byName.end()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    ++found->second->windows;
    return found->second;
}

void ReleaseWindowClass(WindowClass& windowClass)
{
    auto& table = Classes();
    std::lock_guard lock(table.mutex);
    --windowClass.windows;
}

}  // namespace platform::detail

namespace {

template <class WndClassEx>
platform::detail::WindowClass ClassFrom(const WndClassEx& w, bool unicode)
{
    platform::detail::WindowClass c;
    c.style = w.style;
    c.procedure = w.lpfnWndProc;
    c.classExtraBytes = w.cbClsExtra;
    c.windowExtraBytes = w.cbWndExtra;
    c.instance = w.hInstance;
    c.icon = w.hIcon;
    c.cursor = w.hCursor;
    c.background = w.hbrBackground;
    c.smallIcon = w.hIconSm;
    c.unicode = unicode;
    return c;
}

template <class WndClassEx>
ATOM RegisterClassFrom(const WndClassEx* windowClass, bool unicode)
{
    if (!windowClass || !windowClass->lpszClassName)
        return 0;
    return RegisterWindowClass(platform::detail::ClassName::From(windowClass->lpszClassName),
                               ClassFrom(*windowClass, unicode));
}

}  // namespace

using platform::detail::ClassName;

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass)
{
    return RegisterClassFrom(windowClass, false);
}

ATOM RegisterClassExW(const WNDCLASSEXW* windowClass)
{
    return RegisterClassFrom(windowClass, true);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    return className ? UnregisterWindowClass(ClassName::From(className)) : FALSE;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE)
{
    return className ? UnregisterWindowClass(ClassName::From(className)) : FALSE;
}
