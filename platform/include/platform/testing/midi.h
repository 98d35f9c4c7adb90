#pragma once
// MIDI backends for tests: in-process virtual ports that a test device
// attaches to, with injected refusals and fragmented delivery.
#include <platform/midi.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace platform::testing {

// Choosing the backend; ports open on the previous one keep working until closed.
void UseVirtualMidi();  // a fresh set with no ports
void UseMidiBridge(const std::string& socketPath);
void UseAlsaMidi();

struct VirtualMidiPort
{
    std::string name;
    WORD manufacturerId = 0;
    WORD productId = 0;
    bool idsKnown = false;  // false: the caps report MIDICAPS_NO_DRIVER_IDS
};

// Bytes the program sent on a virtual OUT port: each short message and each
// long buffer whole, in send order, on the port's sending thread.
using VirtualMidiReceiver = std::function<void(const BYTE* data, std::size_t size)>;

// The functions below need UseVirtualMidi() first. Ports are appended, so
// indexes already handed out stay valid.
UINT AddVirtualMidiIn(const VirtualMidiPort& port);
UINT AddVirtualMidiOut(const VirtualMidiPort& port, VirtualMidiReceiver receiver);

// A device sends raw MIDI bytes to the program on IN port index. Delivered in
// order from a thread of the virtual backend; lost while the port is closed
// or stopped.
void SendVirtualMidiIn(UINT index, std::vector<BYTE> bytes);
// Fragments System Exclusive input: every later send to IN port index is cut
// into pieces of at most this many bytes, and after each piece the port hands
// back the buffer it was filling, as drivers that return buffers early do.
// 0 (the default) fills each buffer until it is full or the message ends.
void SetVirtualMidiFragmentSize(UINT index, std::size_t maxBytes);
// Paces the wires of the virtual set: every byte the program sends on an OUT
// port, and every byte a device sends to an IN port, takes 1/bytesPerSecond
// seconds on that port's wire (MIDI's 31,250 baud carries 3,125 bytes a
// second); each port and direction is a wire of its own. 0, the default,
// hands bytes over at once.
void SetVirtualMidiByteRate(UINT bytesPerSecond);
// Waits until every send so far has been handed to its port.
void WaitVirtualMidiDelivered();

// Injected refusals: the open of a port, or every send on an OUT port, fails
// with this code until it is set back to MMSYSERR_NOERROR.
void SetVirtualMidiInOpenResult(UINT index, MMRESULT result);
void SetVirtualMidiOutOpenResult(UINT index, MMRESULT result);
void SetVirtualMidiSendResult(UINT index, MMRESULT result);

// The calls on an open port that can be made to fail. AddBuffer, Start, Stop
// and Reset exist on IN ports only, Send (a short or long message) on OUT
// ports only.
enum class MidiPortCall
{
    PrepareHeader,
    AddBuffer,
    Start,
    Stop,
    Reset,
    Close,
    Send
};
inline constexpr std::size_t kMidiPortCalls = static_cast<std::size_t>(MidiPortCall::Send) + 1;

// The call on port index passes `passing` more times and then fails with this
// code, leaving the port as it was, until it is set back to MMSYSERR_NOERROR.
// Ports already open follow at once.
void SetVirtualMidiInCallResult(UINT index, MidiPortCall call, MMRESULT result, UINT passing = 0);
void SetVirtualMidiOutCallResult(UINT index, MidiPortCall call, MMRESULT result, UINT passing = 0);

}  // namespace platform::testing
