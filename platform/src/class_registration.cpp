#include "class_registration.h"

#include <platform/input.h>

#include <string>

namespace platform::detail {
namespace {

template <class WindowClass>
void Fill(WindowClass& windowClass, const ClassRegistration& registration)
{
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = registration.style;
    windowClass.lpfnWndProc = registration.procedure;
    windowClass.cbWndExtra = registration.windowExtraBytes;
    if (registration.cursor)
        windowClass.hCursor = LoadCursorA(nullptr, registration.cursor);
    if (registration.backgroundColor >= 0)
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(registration.backgroundColor + 1));
}

}  // namespace

ATOM RegisterOwnClass(const ClassRegistration& registration)
{
    if (!registration.unicode) {
        WNDCLASSEXA windowClass{};
        Fill(windowClass, registration);
        windowClass.lpszClassName = registration.name;
        return RegisterClassExA(&windowClass);
    }
    WNDCLASSEXW windowClass{};
    Fill(windowClass, registration);
    const std::string ascii = registration.name;
    const std::u16string name(ascii.begin(), ascii.end());
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExW(&windowClass);
}

}  // namespace platform::detail
