#pragma once
// Waitable kernel objects and the table that turns handles into them.
#include <platform/kernel.h>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform::detail {

class KernelObject
{
public:
    virtual ~KernelObject() = default;
    // WAIT_OBJECT_0 when the object was obtained, WAIT_TIMEOUT otherwise.
    DWORD Wait(DWORD milliseconds);

protected:
    // Takes the signal if it is there; called with mutex_ held.
    virtual bool TryAcquireLocked() = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
};

// Enters the object in the handle table; its address is the handle.
HANDLE AddHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> FindHandle(HANDLE handle);

template <class T>
std::shared_ptr<T> FindHandleOf(HANDLE handle)
{
    auto object = std::dynamic_pointer_cast<T>(FindHandle(handle));
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace platform::detail
