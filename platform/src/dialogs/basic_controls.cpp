#include "basic_controls.h"

#include <platform/display.h>

#include <mutex>

namespace platform::dialogs {
namespace {

void Register(const char* name, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

}  // namespace

void RegisterBasicControls()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Register("BUTTON", ButtonProc);
        Register("STATIC", StaticProc);
        Register(PROGRESS_CLASSA, ProgressProc);
    });
}

}  // namespace platform::dialogs
