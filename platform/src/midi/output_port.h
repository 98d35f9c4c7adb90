#pragma once
// An open MIDI output port: one ordered queue of short and long messages
// written by a thread of its own, so that long sends return at once.
#include "port_base.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace platform::midi {

class OutputPort final : public PortBase
{
public:
    OutputPort(std::shared_ptr<Backend> backend, UINT index, DWORD callbackThread);
    ~OutputPort();
    OutputPort(const OutputPort&) = delete;
    OutputPort& operator=(const OutputPort&) = delete;

    MMRESULT Open();
    MMRESULT ShortMsg(DWORD message);
    MMRESULT LongMsg(MIDIHDR* header, UINT headerSize);
    MMRESULT Close();

private:
    MMRESULT Admit(PortCall call) override { return connection_->Admit(call); }

    struct Item
    {
        MIDIHDR* header = nullptr;  // null for a short message
        BYTE bytes[3] = {};
        std::size_t size = 0;
        // Where a short sender waits for its result.
        MMRESULT* result = nullptr;
        bool* done = nullptr;
    };

    void WriteLoop();
    // Queues the item after the checks common to both kinds of message.
    MMRESULT Enqueue(const Item& item, UINT headerSize = sizeof(MIDIHDR));

    std::unique_ptr<OutputConnection> connection_;
    std::thread writer_;
    std::condition_variable queued_;
    std::condition_variable written_;
    std::deque<Item> queue_;
    std::size_t pending_ = 0;  // queued or being written
    bool stopping_ = false;
};

}  // namespace platform::midi
