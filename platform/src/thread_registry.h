#pragma once
// Which threads are alive, and what must happen when one ends.
#include <platform/types.h>

namespace platform::detail {

bool IsThreadAlive(DWORD threadId);
// The hook runs on each ending thread after it has stopped being alive.
void AddThreadExitHook(void (*hook)(DWORD threadId));

}  // namespace platform::detail
