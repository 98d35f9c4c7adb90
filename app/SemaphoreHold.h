#pragma once
// Holds a count of a semaphore for a scope, waiting without a time limit.
// Nothing in the scope may pump messages: the waiter and the holder share
// the one message thread.
#include "framework/services/HfcSemaphore.h"

class CSemaphoreHold
{
public:
    // Holds nothing for null or when the wait fails.
    explicit CSemaphoreHold(CHfcSemaphore* semaphore)
        : m_semaphore(semaphore != nullptr && semaphore->Wait() ? semaphore : nullptr)
    {}
    ~CSemaphoreHold()
    {
        if (m_semaphore != nullptr)
            m_semaphore->Release();
    }
    CSemaphoreHold(const CSemaphoreHold&) = delete;
    CSemaphoreHold& operator=(const CSemaphoreHold&) = delete;

private:
    CHfcSemaphore* m_semaphore;
};
