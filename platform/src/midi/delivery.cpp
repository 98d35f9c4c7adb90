#include "delivery.h"

#include "../message_queue.h"

#include <platform/kernel.h>
#include <platform/messaging.h>
#include <platform/midi.h>

namespace platform::midi {

void PostToCallbackThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A thread that has gone loses the event, as the driver's would.
    PostThreadMessageA(threadId, message, wParam, lParam);
}

bool PostShortInput(DWORD threadId, WPARAM port, DWORD packed)
{
    const auto queue = detail::QueueOfThread(threadId);
    return queue &&
           queue->PostIfRoom(MSG{nullptr, MM_MIM_DATA, port, static_cast<LPARAM>(packed), timeGetTime(), {0, 0}},
                             kShortInputRoom);
}

}  // namespace platform::midi
