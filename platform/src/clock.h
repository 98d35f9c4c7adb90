#pragma once
// The monotonic millisecond clock behind the tick counts and window timers.
#include <cstdint>

namespace platform::detail {

std::uint64_t NowMs();
// A fake clock moves only when a test advances it: waits for a timer must
// then not time out by themselves but wait for the listeners to be called.
bool ClockIsFake();
// The listener runs after each move of the fake clock.
void AddClockListener(void (*listener)());

}  // namespace platform::detail
