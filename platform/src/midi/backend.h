#pragma once
// What a source of MIDI ports gives the port layer: a fixed list of ports per
// session, byte streams in from input ports and byte writes to output ports.
#include <platform/midi.h>
#include <platform/testing/midi.h>

#include <cstddef>
#include <memory>
#include <string>

namespace platform::midi {

enum class Direction
{
    In,
    Out
};

struct PortInfo
{
    std::string name;  // UTF-8, without system numbering
    WORD manufacturerId = 0;
    WORD productId = 0;
    bool idsKnown = false;
};

// Receives the raw bytes of an open input port, in arrival order, on a
// thread of the backend.
class InputSink
{
public:
    virtual ~InputSink() = default;
    virtual void Receive(const BYTE* data, std::size_t size) = 0;
    // Hands back the System Exclusive buffer being filled before it is full,
    // as drivers that return buffers early do.
    virtual void ReturnBuffer() = 0;
};

// A call on an open port, which the backend may refuse before the port acts
// on it (only the virtual backend does, when a test asks it to).
using PortCall = testing::MidiPortCall;

// An open input port. Once destroyed, its sink is never called again.
class InputConnection
{
public:
    virtual ~InputConnection() = default;
    virtual MMRESULT Admit(PortCall /*call*/) { return MMSYSERR_NOERROR; }
};

// An open output port. Writes come from one thread at a time, in order.
class OutputConnection
{
public:
    virtual ~OutputConnection() = default;
    // Asked for a send before the message is queued.
    virtual MMRESULT Admit(PortCall /*call*/) { return MMSYSERR_NOERROR; }
    // Blocks until the bytes have been handed to the device.
    virtual MMRESULT Write(const BYTE* data, std::size_t size) = 0;
};

class Backend
{
public:
    virtual ~Backend() = default;
    virtual UINT Count(Direction direction) = 0;
    // False when the index is out of range.
    virtual bool Info(Direction direction, UINT index, PortInfo& info) = 0;
    virtual MMRESULT OpenInput(UINT index, InputSink& sink, std::unique_ptr<InputConnection>& connection) = 0;
    virtual MMRESULT OpenOutput(UINT index, std::unique_ptr<OutputConnection>& connection) = 0;
};

// The backend of this session, chosen on first use from VQ_MIDI_BACKEND
// ("alsa", the default, "virtual" or "bridge").
std::shared_ptr<Backend> ActiveBackend();
// Replaces the backend; ports already open keep the one they were opened on.
void ReplaceBackend(std::shared_ptr<Backend> backend);

std::shared_ptr<Backend> MakeAlsaBackend();
std::shared_ptr<Backend> MakeVirtualBackend();
// Connects to the peer listening at socketPath; no ports when there is none.
std::shared_ptr<Backend> MakeBridgeBackend(const std::string& socketPath);

}  // namespace platform::midi
