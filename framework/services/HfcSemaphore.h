#pragma once
// A counting semaphore private to the process. With a count of 1 it serves
// as a lock between threads; with 0 as a signal another thread releases.
#include <platform/types.h>

class CHfcSemaphore
{
public:
    static constexpr LONG kMaximumCount = 32767;

    // Results of WaitWithTimeout.
    static constexpr int kObtained = 0;
    static constexpr int kFailed = -1;
    static constexpr int kTimedOut = -2;

    explicit CHfcSemaphore(LONG initialCount);
    CHfcSemaphore(const CHfcSemaphore&) = delete;
    CHfcSemaphore& operator=(const CHfcSemaphore&) = delete;
    virtual ~CHfcSemaphore();

    bool Wait();
    // A timeout of 0 only tries.
    int WaitWithTimeout(DWORD timeoutMs);
    // False when the count would pass the maximum.
    bool Release();

private:
    HANDLE m_handle;
};
