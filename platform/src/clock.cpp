#include "clock.h"

#include <platform/kernel.h>
#include <platform/testing/clock.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <mutex>
#include <vector>

namespace platform::detail {
namespace {

std::atomic<bool> gFake{false};
std::atomic<std::uint64_t> gFakeNow{0};

struct Listeners
{
    std::mutex mutex;
    std::vector<void (*)()> list;
};

Listeners& ClockListeners()
{
    static Listeners* listeners = new Listeners;
    return *listeners;
}

void NotifyListeners()
{
    std::vector<void (*)()> list;
    {
        auto& listeners = ClockListeners();
        std::lock_guard lock(listeners.mutex);
        list = listeners.list;
    }
    for (auto listener : list)
        listener();
}

}  // namespace

std::uint64_t NowMs()
{
    if (gFake)
        return gFakeNow;
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

bool ClockIsFake()
{
    return gFake;
}

void AddClockListener(void (*listener)())
{
    auto& listeners = ClockListeners();
    std::lock_guard lock(listeners.mutex);
    listeners.list.push_back(listener);
}

}  // namespace platform::detail

namespace platform::testing {

void UseFakeClock(DWORD startMs)
{
    detail::gFakeNow = startMs;
    detail::gFake = true;
    detail::NotifyListeners();
}

void AdvanceClock(DWORD milliseconds)
{
    detail::gFakeNow += milliseconds;
    detail::NotifyListeners();
}

void UseRealClock()
{
    detail::gFake = false;
    detail::NotifyListeners();
}

}  // namespace platform::testing

DWORD timeGetTime()
{
    return static_cast<DWORD>(platform::detail::NowMs());
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(platform::detail::NowMs());
}

void GetLocalTime(LPSYSTEMTIME time)
{
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    time->wYear = static_cast<WORD>(local.tm_year + 1900);
    time->wMonth = static_cast<WORD>(local.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time->wDay = static_cast<WORD>(local.tm_mday);
    time->wHour = static_cast<WORD>(local.tm_hour);
    time->wMinute = static_cast<WORD>(local.tm_min);
    time->wSecond = static_cast<WORD>(local.tm_sec);
    time->wMilliseconds = static_cast<WORD>(ms);
}
