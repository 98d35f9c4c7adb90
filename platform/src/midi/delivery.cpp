#include "delivery.h"

#include <platform/messaging.h>

namespace platform::midi {

void PostToCallbackThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A thread that has gone loses the event, as the driver's would.
    PostThreadMessageA(threadId, message, wParam, lParam);
}

}  // namespace platform::midi
