#pragma once
// A process-wide table from handles to shared records, for windows, menus and
// drawing objects alike. Handles count up and are never reused, so a stale
// handle never reaches a new record.
#include <platform/types.h>

#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform::detail {

template <class Handle, class Record>
class HandleTable
{
public:
    explicit HandleTable(ULONG_PTR firstHandle) : next_(firstHandle) {}

    Handle Add(std::shared_ptr<Record> record)
    {
        std::lock_guard lock(mutex_);
        next_ += 4;
        auto handle = reinterpret_cast<Handle>(next_);
        records_.emplace(handle, std::move(record));
        return handle;
    }

    // Takes the record out of the table; the caller releases it, outside the lock.
    std::shared_ptr<Record> Take(Handle handle)
    {
        std::lock_guard lock(mutex_);
        auto found = records_.find(handle);
        if (found == records_.end())
            return nullptr;
        auto record = std::move(found->second);
        records_.erase(found);
        return record;
    }

    std::shared_ptr<Record> Find(Handle handle) const
    {
        std::lock_guard lock(mutex_);
        auto found = records_.find(handle);
        return found == records_.end() ? nullptr : found->second;
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<Handle, std::shared_ptr<Record>> records_;
    ULONG_PTR next_;
};

}  // namespace platform::detail
