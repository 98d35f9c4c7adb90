// Choosing and starting the display.
#include "backend.h"
#include "geometry.h"

#include <platform/display.h>
#include <platform/kernel.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace platform::detail {
namespace {

struct Running
{
    std::recursive_mutex mutex;
    std::unique_ptr<DisplayBackend> backend;
    std::atomic<DWORD> threadId{0};
    std::string failure;
};

Running& Current()
{
    static Running* running = new Running;
    return *running;
}

DisplayKind ChosenKind(DisplayKind asked)
{
    const char* forced = std::getenv("VQ_DISPLAY");
    if (!forced)
        return asked;
    if (std::strcmp(forced, "headless") == 0)
        return DisplayKind::Headless;
    if (std::strcmp(forced, "desktop") == 0 || std::strcmp(forced, "sdl") == 0)
        return DisplayKind::Desktop;
    return asked;
}

void Install(Running& running, std::unique_ptr<DisplayBackend> backend)
{
    running.backend = std::move(backend);
    running.threadId = GetCurrentThreadId();
    SetThreadEventWaiter(running.threadId, running.backend->Waiter());
}

}  // namespace

DisplayBackend& Display()
{
    auto& running = Current();
    std::lock_guard lock(running.mutex);
    if (!running.backend)
        Install(running, MakeHeadlessBackend());
    return *running.backend;
}

bool OnDisplayThread()
{
    return Current().threadId == GetCurrentThreadId();
}

}  // namespace platform::detail

namespace platform {

using namespace platform::detail;

bool StartDisplay(DisplayKind kind)
{
    auto& running = Current();
    std::lock_guard lock(running.mutex);
    StopDisplay();
    running.failure.clear();
    if (ChosenKind(kind) == DisplayKind::Headless) {
        Install(running, MakeHeadlessBackend());
        return true;
    }
    auto backend = MakeDesktopBackend(running.failure);
    if (!backend)
        return false;
    Install(running, std::move(backend));
    return true;
}

const char* DisplayFailure()
{
    return Current().failure.c_str();
}

void StopDisplay()
{
    auto& running = Current();
    std::lock_guard lock(running.mutex);
    if (!running.backend)
        return;
    for (HWND handle : TopLevelWindows()) {
        auto window = FindWindowRecord(handle);
        if (window && window->display && window->display->surface) {
            running.backend->Close(handle);
            window->display->surface.reset();
        }
    }
    SetThreadEventWaiter(running.threadId, nullptr);
    running.backend.reset();
    running.threadId = 0;
}

}  // namespace platform
