#include "framework/services/HfcSemaphore.h"

#include <platform/kernel.h>

CHfcSemaphore::CHfcSemaphore(LONG initialCount)
    : m_handle(CreateSemaphoreA(nullptr, initialCount, kMaximumCount, nullptr))
{}

CHfcSemaphore::~CHfcSemaphore()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
}

bool CHfcSemaphore::Wait()
{
    return m_handle != nullptr && WaitForSingleObject(m_handle, INFINITE) == WAIT_OBJECT_0;
}

int CHfcSemaphore::WaitWithTimeout(DWORD timeoutMs)
{
    if (m_handle == nullptr)
        return kFailed;
    switch (WaitForSingleObject(m_handle, timeoutMs)) {
    case WAIT_OBJECT_0: return kObtained;
    case WAIT_TIMEOUT: return kTimedOut;
    default: return kFailed;
    }
}

bool CHfcSemaphore::Release()
{
    return m_handle != nullptr && ReleaseSemaphore(m_handle, 1, nullptr) != FALSE;
}
