#include "virtual_backend.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <thread>

namespace platform::midi {

class VirtualBackend::Input final : public InputConnection
{
public:
    Input(VirtualBackend& backend, UINT index, InputSink& sink)
        : backend_(backend), index_(index), attachment_(backend.inputs_[index].slot, sink)
    {}

    MMRESULT Admit(PortCall call) override { return backend_.Admit(Direction::In, index_, call); }

private:
    VirtualBackend& backend_;
    const UINT index_;
    SlotConnection attachment_;
};

class VirtualBackend::Output final : public OutputConnection
{
public:
    Output(VirtualBackend& backend, UINT index) : backend_(backend), index_(index) {}

    MMRESULT Admit(PortCall call) override { return backend_.Admit(Direction::Out, index_, call); }

    MMRESULT Write(const BYTE* data, std::size_t size) override
    {
        testing::VirtualMidiReceiver receiver;
        Clock::duration onWire{};
        {
            std::lock_guard<std::mutex> lock(backend_.mutex_);
            receiver = backend_.OutAt(index_).receiver;
            onWire = backend_.WireTime(size);
        }
        // Writes on one port follow one another, so its wire is free now;
        // the device has the bytes once the last one is across.
        if (onWire > Clock::duration::zero())
            std::this_thread::sleep_for(onWire);
        if (receiver)
            receiver(data, size);
        return MMSYSERR_NOERROR;
    }

private:
    VirtualBackend& backend_;
    const UINT index_;
};

VirtualBackend::VirtualBackend() : thread_([this] { DeliveryLoop(); })
{}

VirtualBackend::~VirtualBackend()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

UINT VirtualBackend::Count(Direction direction)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<UINT>(direction == Direction::In ? inputs_.size() : outputs_.size());
}

bool VirtualBackend::Info(Direction direction, UINT index, PortInfo& info)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const bool in = direction == Direction::In;
    if (index >= (in ? inputs_.size() : outputs_.size()))
        return false;
    const testing::VirtualMidiPort& port = in ? inputs_[index].port : outputs_[index].port;
    info = PortInfo{port.name, port.manufacturerId, port.productId, port.idsKnown};
    return true;
}

MMRESULT VirtualBackend::OpenInput(UINT index, InputSink& sink, std::unique_ptr<InputConnection>& connection)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index >= inputs_.size())
        return MMSYSERR_BADDEVICEID;
    InPort& port = inputs_[index];
    if (port.openResult != MMSYSERR_NOERROR)
        return port.openResult;
    connection = std::make_unique<Input>(*this, index, sink);
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualBackend::OpenOutput(UINT index, std::unique_ptr<OutputConnection>& connection)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index >= outputs_.size())
        return MMSYSERR_BADDEVICEID;
    if (outputs_[index].openResult != MMSYSERR_NOERROR)
        return outputs_[index].openResult;
    connection = std::make_unique<Output>(*this, index);
    return MMSYSERR_NOERROR;
}

UINT VirtualBackend::AddInput(const testing::VirtualMidiPort& port)
{
    std::lock_guard<std::mutex> lock(mutex_);
    inputs_.emplace_back().port = port;
    return static_cast<UINT>(inputs_.size() - 1);
}

UINT VirtualBackend::AddOutput(const testing::VirtualMidiPort& port, testing::VirtualMidiReceiver receiver)
{
    std::lock_guard<std::mutex> lock(mutex_);
    OutPort& added = outputs_.emplace_back();
    added.port = port;
    added.receiver = std::move(receiver);
    return static_cast<UINT>(outputs_.size() - 1);
}

void VirtualBackend::Send(UINT index, std::vector<BYTE> bytes)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        InPort& port = InAt(index);
        // A send waits for the wire to carry what was sent before it.
        const Clock::time_point due = std::max(Clock::now(), port.wireFreeAt) + WireTime(bytes.size());
        port.wireFreeAt = due;
        chunks_.push_back(Chunk{index, std::move(bytes), port.fragmentSize, due});
    }
    changed_.notify_all();
}

void VirtualBackend::SetFragmentSize(UINT index, std::size_t maxBytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    InAt(index).fragmentSize = maxBytes;
}

void VirtualBackend::WaitDelivered()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return chunks_.empty() && !delivering_; });
}

void VirtualBackend::SetOpenResult(Direction direction, UINT index, MMRESULT result)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (direction == Direction::In)
        InAt(index).openResult = result;
    else
        OutAt(index).openResult = result;
}

void VirtualBackend::SetCallResult(Direction direction, UINT index, PortCall call, MMRESULT result, UINT passing)
{
    std::lock_guard<std::mutex> lock(mutex_);
    CallResults& results = direction == Direction::In ? InAt(index).callResults : OutAt(index).callResults;
    results[static_cast<std::size_t>(call)] = CallResult{result, passing};
}

MMRESULT VirtualBackend::Admit(Direction direction, UINT index, PortCall call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    CallResults& results = direction == Direction::In ? InAt(index).callResults : OutAt(index).callResults;
    CallResult& injected = results[static_cast<std::size_t>(call)];
    if (injected.result == MMSYSERR_NOERROR)
        return MMSYSERR_NOERROR;
    if (injected.passing > 0) {
        --injected.passing;
        return MMSYSERR_NOERROR;
    }
    return injected.result;
}

void VirtualBackend::SetByteRate(UINT bytesPerSecond)
{
    std::lock_guard<std::mutex> lock(mutex_);
    byteRate_ = bytesPerSecond;
}

VirtualBackend::Clock::duration VirtualBackend::WireTime(std::size_t size) const
{
    if (byteRate_ == 0)
        return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(
        static_cast<std::int64_t>(size) * std::int64_t{1'000'000'000} / static_cast<std::int64_t>(byteRate_)));
}

std::deque<VirtualBackend::Chunk>::iterator VirtualBackend::NextDue()
{
    auto next = chunks_.begin();
    for (auto chunk = chunks_.begin(); chunk != chunks_.end(); ++chunk) {
        if (chunk->due < next->due)
            next = chunk;
    }
    return next;
}

void VirtualBackend::DeliveryLoop()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !chunks_.empty(); });
        if (stopping_)
            return;
        const auto next = NextDue();
        if (Clock::now() < next->due) {
            // A send meanwhile may bring a chunk due sooner on another wire.
            const Clock::time_point due = next->due;
            changed_.wait_until(lock, due);
            continue;
        }
        const Chunk chunk = std::move(*next);
        chunks_.erase(next);
        SinkSlot& slot = inputs_[chunk.index].slot;
        delivering_ = true;
        lock.unlock();
        if (chunk.fragmentSize == 0) {
            slot.Deliver(chunk.bytes.data(), chunk.bytes.size());
        } else {
            for (std::size_t at = 0; at < chunk.bytes.size(); at += chunk.fragmentSize)
                slot.Deliver(chunk.bytes.data() + at, std::min(chunk.fragmentSize, chunk.bytes.size() - at), true);
        }
        lock.lock();
        delivering_ = false;
        changed_.notify_all();
    }
}

VirtualBackend::InPort& VirtualBackend::InAt(UINT index)
{
    if (index >= inputs_.size())
        throw std::out_of_range("no such virtual MIDI IN port");
    return inputs_[index];
}

VirtualBackend::OutPort& VirtualBackend::OutAt(UINT index)
{
    if (index >= outputs_.size())
        throw std::out_of_range("no such virtual MIDI OUT port");
    return outputs_[index];
}

std::shared_ptr<Backend> MakeVirtualBackend()
{
    return std::make_shared<VirtualBackend>();
}

}  // namespace platform::midi
