#include "basic_controls.h"

#include "platform/src/class_registration.h"

#include <platform/display.h>

#include <mutex>

namespace platform::dialogs {
namespace {

void Register(const char* name, WNDPROC procedure)
{
    detail::RegisterOwnClass(
        {.name = name, .procedure = procedure, .windowExtraBytes = sizeof(LONG_PTR), .cursor = IDC_ARROW});
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
