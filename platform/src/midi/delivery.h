#pragma once
// The one way port events leave the port layer: a thread message to the
// thread named at open.
#include <platform/types.h>

#include <cstddef>

namespace platform::midi {

// Short input messages are posted only while the callback thread's queue
// holds fewer messages than this, as a driver's buffer holds a fixed amount.
// About a second and a half of a cable's busiest traffic.
inline constexpr std::size_t kShortInputRoom = 4096;

void PostToCallbackThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
// False when the message was not posted: the queue had no room, or the
// thread has gone.
bool PostShortInput(DWORD threadId, WPARAM port, DWORD packed);

}  // namespace platform::midi
