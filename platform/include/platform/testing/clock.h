#pragma once
#include <platform/types.h>

namespace platform::testing {

// Replaces the monotonic clock behind timeGetTime, GetTickCount and the
// window timers with one that moves only when told, starting at startMs.
void UseFakeClock(DWORD startMs = 0);
// Moves the fake clock forward and wakes every thread that waits for a timer.
void AdvanceClock(DWORD milliseconds);
// Returns to the real clock.
void UseRealClock();

// The fake clock for the lifetime of a test scope.
class ScopedFakeClock
{
public:
    explicit ScopedFakeClock(DWORD startMs = 0) { UseFakeClock(startMs); }
    ~ScopedFakeClock() { UseRealClock(); }
    ScopedFakeClock(const ScopedFakeClock&) = delete;
    ScopedFakeClock& operator=(const ScopedFakeClock&) = delete;
};

}  // namespace platform::testing
