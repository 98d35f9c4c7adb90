#pragma once
// The timers of one thread. A timer is due once its interval has passed
// since it was set or last retrieved; it never queues more than one tick.
#include "message_sources.h"

#include <platform/timer.h>

#include <vector>

namespace platform::detail {

class TimerTable
{
public:
    UINT_PTR Set(HWND window, UINT_PTR timerId, UINT elapseMs, TIMERPROC procedure, std::uint64_t now);
    bool Kill(HWND window, UINT_PTR timerId);
    void KillWindow(HWND window);
    bool TakeDue(const MessageFilter& filter, std::uint64_t now, bool remove, MSG* msg);
    // The earliest due time among the timers that pass the filter.
    std::uint64_t NextDueMs(const MessageFilter& filter) const;

private:
    struct Timer
    {
        HWND window;
        UINT_PTR id;
        UINT interval;
        std::uint64_t due;
        TIMERPROC procedure;
    };
    std::vector<Timer> timers_;
    UINT_PTR nextThreadTimerId_ = 1;
};

}  // namespace platform::detail
