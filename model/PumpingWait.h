#pragma once
// Waits of the message thread on a semaphore that the MIDI thread releases:
// short waits with the window messages pumped between them, so Cancel and
// repainting keep working.
#include "framework/services/HfcSemaphore.h"

#include <functional>

// True once a wait has obtained the semaphore and accept() holds afterwards;
// false when the timeout passes first. A release that accept() turns down
// keeps the wait going.
bool WaitWhilePumping(CHfcSemaphore& semaphore, DWORD timeoutMs, const std::function<bool()>& accept);
