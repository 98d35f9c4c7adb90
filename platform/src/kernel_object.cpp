#include "kernel_object.h"

#include <chrono>
#include <unordered_map>

namespace platform::detail {
namespace {

struct HandleTable
{
    std::mutex mutex;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
};

// Never destroyed: detached threads may still close handles during exit.
HandleTable& Table()
{
    static HandleTable* table = new HandleTable;
    return *table;
}

}  // namespace

DWORD KernelObject::Wait(DWORD milliseconds)
{
    std::unique_lock lock(mutex_);
    auto ready = [this] { return TryAcquireLocked(); };
    if (milliseconds == INFINITE) {
        changed_.wait(lock, ready);
        return WAIT_OBJECT_0;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    return changed_.wait_until(lock, deadline, ready) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

HANDLE AddHandle(std::shared_ptr<KernelObject> object)
{
    HANDLE handle = object.get();
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    table.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> FindHandle(HANDLE handle)
{
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(handle);
    return found == table.objects.end() ? nullptr : found->second;
}

}  // namespace platform::detail

using platform::detail::KernelObject;

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    auto object = platform::detail::FindHandleOf<KernelObject>(handle);
    return object ? object->Wait(milliseconds) : WAIT_FAILED;
}

BOOL CloseHandle(HANDLE handle)
{
    std::shared_ptr<KernelObject> closed;  // released outside the table lock
    auto& table = platform::detail::Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(handle);
    if (found == table.objects.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    closed = std::move(found->second);
    table.objects.erase(found);
    return TRUE;
}
