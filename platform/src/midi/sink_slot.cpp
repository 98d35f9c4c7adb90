#include "sink_slot.h"

namespace platform::midi {

void SinkSlot::Attach(InputSink& sink)
{
    std::lock_guard<std::mutex> lock(mutex_);
    sink_ = &sink;
}

void SinkSlot::Detach()
{
    std::unique_lock<std::mutex> lock(mutex_);
    sink_ = nullptr;
    idle_.wait(lock, [this] { return !delivering_; });
}

void SinkSlot::Deliver(const BYTE* data, std::size_t size, bool returnBuffer)
{
    InputSink* sink;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (sink_ == nullptr)
            return;
        sink = sink_;
        delivering_ = true;
    }
    sink->Receive(data, size);
    if (returnBuffer)
        sink->ReturnBuffer();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        delivering_ = false;
    }
    idle_.notify_all();
}

}  // namespace platform::midi
