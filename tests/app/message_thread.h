#pragma once
// The test thread plays the message thread: it pumps what the services
// posted, and other threads are started where a test needs them.
#include <platform/messaging.h>

#include <functional>
#include <thread>

// Runs every waiting message of the calling thread; returns how many.
inline int PumpAll()
{
    MSG msg;
    int handled = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
        ++handled;
    }
    return handled;
}

inline void FromOtherThread(const std::function<void()>& work)
{
    std::thread thread(work);
    thread.join();
}
