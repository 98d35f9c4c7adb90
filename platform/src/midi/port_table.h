#pragma once
// Open ports by handle. A handle is the port's address, valid from a
// successful open until its close succeeds.
#include "backend.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

namespace platform::midi {

template <class Port>
class PortTable
{
public:
    // The checks and the open shared by both directions; the handle is null
    // after a refusal.
    template <class Handle>
    MMRESULT Open(Handle* handle, Direction direction, UINT deviceId, DWORD_PTR callback, DWORD flags)
    {
        if (handle == nullptr)
            return MMSYSERR_INVALPARAM;
        *handle = nullptr;
        if ((flags & CALLBACK_TYPEMASK) != CALLBACK_THREAD)
            return MMSYSERR_INVALFLAG;
        // Under the table's lock, so that one port is never opened twice at once.
        std::lock_guard<std::mutex> lock(mutex_);
        const std::shared_ptr<Backend> backend = ActiveBackend();
        if (deviceId >= backend->Count(direction))
            return MMSYSERR_BADDEVICEID;
        for (const auto& port : ports_) {
            if (port->backend() == backend.get() && port->index() == deviceId)
                return MMSYSERR_ALLOCATED;
        }
        auto port = std::make_shared<Port>(backend, deviceId, static_cast<DWORD>(callback));
        if (const MMRESULT refused = port->Open())
            return refused;
        ports_.push_back(port);
        *handle = reinterpret_cast<Handle>(port.get());
        return MMSYSERR_NOERROR;
    }

    // Runs an operation on the port behind a handle.
    template <class Operation>
    MMRESULT With(const void* handle, Operation operation)
    {
        const std::shared_ptr<Port> port = Find(handle);
        return port ? operation(*port) : MMSYSERR_INVALHANDLE;
    }

    // Closes the port and forgets its handle when the port agrees.
    MMRESULT Close(const void* handle)
    {
        const std::shared_ptr<Port> port = Find(handle);
        if (!port)
            return MMSYSERR_INVALHANDLE;
        if (const MMRESULT refused = port->Close())
            return refused;
        std::lock_guard<std::mutex> lock(mutex_);
        std::erase(ports_, port);
        return MMSYSERR_NOERROR;
    }

private:
    std::shared_ptr<Port> Find(const void* handle)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found =
            std::find_if(ports_.begin(), ports_.end(), [&](const auto& port) { return port.get() == handle; });
        return found == ports_.end() ? nullptr : *found;
    }

    std::mutex mutex_;
    std::vector<std::shared_ptr<Port>> ports_;
};

}  // namespace platform::midi
