#pragma once
// Where a backend thread hands input to the sink of an open port, so that a
// close can wait out a delivery in progress and none follows it.
#include "backend.h"

#include <condition_variable>
#include <mutex>

namespace platform::midi {

class SinkSlot
{
public:
    void Attach(InputSink& sink);
    // Returns once no delivery is running; none starts afterwards.
    void Detach();
    // Bytes for the attached sink, dropped when there is none; with
    // returnBuffer the sink then hands back its partly filled buffer.
    void Deliver(const BYTE* data, std::size_t size, bool returnBuffer = false);

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    InputSink* sink_ = nullptr;
    bool delivering_ = false;
};

// An open input port that is its slot's attachment.
class SlotConnection final : public InputConnection
{
public:
    SlotConnection(SinkSlot& slot, InputSink& sink) : slot_(slot) { slot_.Attach(sink); }
    ~SlotConnection() override { slot_.Detach(); }

private:
    SinkSlot& slot_;
};

}  // namespace platform::midi
