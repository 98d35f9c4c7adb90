#pragma once
// In-process ports for tests: a test device receives what the program sends
// and sends bytes back, delivered from a thread of the backend.
#include "backend.h"
#include "sink_slot.h"

#include <platform/testing/midi.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace platform::midi {

class VirtualBackend final : public Backend
{
public:
    VirtualBackend();
    ~VirtualBackend() override;

    UINT Count(Direction direction) override;
    bool Info(Direction direction, UINT index, PortInfo& info) override;
    MMRESULT OpenInput(UINT index, InputSink& sink, std::unique_ptr<InputConnection>& connection) override;
    MMRESULT OpenOutput(UINT index, std::unique_ptr<OutputConnection>& connection) override;

    UINT AddInput(const testing::VirtualMidiPort& port);
    UINT AddOutput(const testing::VirtualMidiPort& port, testing::VirtualMidiReceiver receiver);
    void Send(UINT index, std::vector<BYTE> bytes);
    void SetFragmentSize(UINT index, std::size_t maxBytes);
    void WaitDelivered();
    void SetOpenResult(Direction direction, UINT index, MMRESULT result);
    void SetCallResult(Direction direction, UINT index, PortCall call, MMRESULT result, UINT passing);
    void SetByteRate(UINT bytesPerSecond);

private:
    class Input;
    class Output;
    using Clock = std::chrono::steady_clock;

    // An injected refusal of one call: it passes `passing` more times first.
    struct CallResult
    {
        MMRESULT result = MMSYSERR_NOERROR;
        UINT passing = 0;
    };
    using CallResults = std::array<CallResult, testing::kMidiPortCalls>;

    struct InPort
    {
        testing::VirtualMidiPort port;
        MMRESULT openResult = MMSYSERR_NOERROR;
        CallResults callResults;
        std::size_t fragmentSize = 0;
        Clock::time_point wireFreeAt;  // when the last byte sent so far arrives
        SinkSlot slot;
    };
    struct OutPort
    {
        testing::VirtualMidiPort port;
        testing::VirtualMidiReceiver receiver;
        MMRESULT openResult = MMSYSERR_NOERROR;
        CallResults callResults;
    };
    struct Chunk
    {
        UINT index;
        std::vector<BYTE> bytes;
        std::size_t fragmentSize;
        Clock::time_point due;  // its last byte is off the wire
    };

    // The injected answer to a call on an open port, counting the passes.
    MMRESULT Admit(Direction direction, UINT index, PortCall call);
    void DeliveryLoop();
    // The first queued chunk among those due earliest; with mutex_ held.
    std::deque<Chunk>::iterator NextDue();
    // How long size bytes take on a wire at the current rate; with mutex_ held.
    Clock::duration WireTime(std::size_t size) const;
    InPort& InAt(UINT index);  // with mutex_ held; throws for a bad index
    OutPort& OutAt(UINT index);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<InPort> inputs_;  // a deque keeps references valid as ports are added
    std::deque<OutPort> outputs_;
    std::deque<Chunk> chunks_;
    UINT byteRate_ = 0;  // 0: no pacing
    bool delivering_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace platform::midi
