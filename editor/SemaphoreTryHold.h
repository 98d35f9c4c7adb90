#pragma once
// Holds a count of a semaphore for a scope when one is free now. The
// semaphores the message thread takes around its ticks are held only by the
// message thread itself, so a busy one means a caller further up this
// thread's stack holds it, and waiting for it would never end.
#include "framework/services/HfcSemaphore.h"

class CSemaphoreTryHold
{
public:
    // Holds nothing for null.
    explicit CSemaphoreTryHold(CHfcSemaphore* semaphore)
        : m_semaphore(semaphore != nullptr && semaphore->WaitWithTimeout(0) == CHfcSemaphore::kObtained ? semaphore
                                                                                                        : nullptr),
          m_busy(semaphore != nullptr && m_semaphore == nullptr)
    {}
    ~CSemaphoreTryHold()
    {
        if (m_semaphore != nullptr)
            m_semaphore->Release();
    }
    CSemaphoreTryHold(const CSemaphoreTryHold&) = delete;
    CSemaphoreTryHold& operator=(const CSemaphoreTryHold&) = delete;

    // Whether someone else held it.
    bool IsBusy() const { return m_busy; }

private:
    CHfcSemaphore* m_semaphore;
    bool m_busy;
};
