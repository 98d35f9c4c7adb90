#include "timers.h"

#include <algorithm>

namespace platform::detail {

UINT_PTR TimerTable::Set(HWND window, UINT_PTR timerId, UINT elapseMs, TIMERPROC procedure, std::uint64_t now)
{
    UINT interval = std::max(elapseMs, USER_TIMER_MINIMUM);
    auto found = std::find_if(timers_.begin(), timers_.end(),
                              [&](const Timer& t) { return t.window == window && t.id == timerId; });
    if (!window && found == timers_.end()) {
        // Thread timers get ids of their own, never one in use.
        while (std::any_of(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return !t.window && t.id == nextThreadTimerId_; }))
            ++nextThreadTimerId_;
        timerId = nextThreadTimerId_++;
    }
    Timer timer{window, timerId, interval, now + interval, procedure};
    if (found != timers_.end())
        *found = timer;
    else
        timers_.push_back(timer);
    return timerId;
}

bool TimerTable::Kill(HWND window, UINT_PTR timerId)
{
    auto removed = std::erase_if(timers_, [&](const Timer& t) { return t.window == window && t.id == timerId; });
    return removed != 0;
}

void TimerTable::KillWindow(HWND window)
{
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
}

bool TimerTable::TakeDue(const MessageFilter& filter, std::uint64_t now, bool remove, MSG* msg)
{
    Timer* earliest = nullptr;
    for (auto& timer : timers_) {
        if (timer.due > now || !filter.Accepts(timer.window, WM_TIMER))
            continue;
        if (!earliest || timer.due < earliest->due)
            earliest = &timer;
    }
    if (!earliest)
        return false;
    *msg = MSG{earliest->window,        WM_TIMER, earliest->id, reinterpret_cast<LPARAM>(earliest->procedure),
               static_cast<DWORD>(now), {0, 0}};
    // The next tick counts from this one, however late it came.
    if (remove)
        earliest->due = now + earliest->interval;
    return true;
}

std::uint64_t TimerTable::NextDueMs(const MessageFilter& filter) const
{
    std::uint64_t next = kNever;
    for (const auto& timer : timers_)
        if (filter.Accepts(timer.window, WM_TIMER))
            next = std::min(next, timer.due);
    return next;
}

}  // namespace platform::detail
