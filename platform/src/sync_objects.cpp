// Semaphores and events.
#include "kernel_object.h"

namespace {

class Semaphore : public platform::detail::KernelObject
{
public:
    Semaphore(LONG initial, LONG maximum) : count_(initial), maximum_(maximum) {}

    BOOL Release(LONG releaseCount, LONG* previousCount)
    {
        std::lock_guard lock(mutex_);
        if (releaseCount <= 0 || releaseCount > maximum_ - count_) {
            SetLastError(releaseCount <= 0 ? ERROR_INVALID_PARAMETER : ERROR_TOO_MANY_POSTS);
            return FALSE;
        }
        if (previousCount)
            *previousCount = count_;
        count_ += releaseCount;
        changed_.notify_all();
        return TRUE;
    }

private:
    bool TryAcquireLocked() override
    {
        if (count_ == 0)
            return false;
        --count_;
        return true;
    }

    LONG count_;
    const LONG maximum_;
};

class Event : public platform::detail::KernelObject
{
public:
    Event(bool manualReset, bool signalled) : manualReset_(manualReset), signalled_(signalled) {}

    void Set(bool signalled)
    {
        std::lock_guard lock(mutex_);
        signalled_ = signalled;
        if (signalled)
            changed_.notify_all();
    }

private:
    bool TryAcquireLocked() override
    {
        if (!signalled_)
            return false;
        if (!manualReset_)
            signalled_ = false;
        return true;
    }

    const bool manualReset_;
    bool signalled_;
};

BOOL SetEventState(HANDLE handle, bool signalled)
{
    auto event = platform::detail::FindHandleOf<Event>(handle);
    if (!event)
        return FALSE;
    event->Set(signalled);
    return TRUE;
}

}  // namespace

HANDLE CreateSemaphoreA(LPSECURITY_ATTRIBUTES, LONG initialCount, LONG maximumCount, LPCSTR)
{
    if (maximumCount <= 0 || initialCount < 0 || initialCount > maximumCount) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return platform::detail::AddHandle(std::make_shared<Semaphore>(initialCount, maximumCount));
}

BOOL ReleaseSemaphore(HANDLE semaphore, LONG releaseCount, LONG* previousCount)
{
    auto object = platform::detail::FindHandleOf<Semaphore>(semaphore);
    return object ? object->Release(releaseCount, previousCount) : FALSE;
}

HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCSTR)
{
    return platform::detail::AddHandle(std::make_shared<Event>(manualReset != FALSE, initialState != FALSE));
}

BOOL SetEvent(HANDLE event)
{
    return SetEventState(event, true);
}

BOOL ResetEvent(HANDLE event)
{
    return SetEventState(event, false);
}
