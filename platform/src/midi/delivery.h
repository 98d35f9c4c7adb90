#pragma once
// The one way port events leave the port layer: a thread message to the
// thread named at open.
#include <platform/types.h>

namespace platform::midi {

void PostToCallbackThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::midi
