#pragma once
// What input and output ports share: where they came from, where their
// messages go, and the lock under which header flags change.
#include "backend.h"
#include "headers.h"

#include <memory>
#include <mutex>

namespace platform::midi {

class PortBase
{
public:
    PortBase(std::shared_ptr<Backend> backend, UINT index, DWORD callbackThread)
        : backend_(std::move(backend)), index_(index), callbackThread_(callbackThread)
    {}
    virtual ~PortBase() = default;

    const Backend* backend() const { return backend_.get(); }
    UINT index() const { return index_; }

    // The port's thread changes flags of queued headers, so these take its lock.
    MMRESULT PrepareHeader(MIDIHDR* header, UINT headerSize)
    {
        return WhileOpen([&] {
            if (const MMRESULT refused = Admit(PortCall::PrepareHeader))
                return refused;
            return midi::PrepareHeader(header, headerSize);
        });
    }
    MMRESULT UnprepareHeader(MIDIHDR* header, UINT headerSize)
    {
        return WhileOpen([&] { return midi::UnprepareHeader(header, headerSize); });
    }

protected:
    // Whether the backend takes the call; with the lock held, while open.
    virtual MMRESULT Admit(PortCall call) = 0;

    // Runs the operation under the lock, or refuses it once the port is closed.
    template <class Operation>
    MMRESULT WhileOpen(Operation operation)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return closed_ ? MMSYSERR_INVALHANDLE : operation();
    }

    const std::shared_ptr<Backend> backend_;
    const UINT index_;
    const DWORD callbackThread_;
    std::mutex mutex_;
    bool closed_ = false;
};

}  // namespace platform::midi
