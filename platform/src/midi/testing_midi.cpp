// The test hooks of the MIDI port layer.
#include "backend.h"
#include "virtual_backend.h"

#include <platform/testing/midi.h>

#include <stdexcept>

namespace platform::testing {

namespace {

std::shared_ptr<midi::VirtualBackend> Virtual()
{
    auto backend = std::dynamic_pointer_cast<midi::VirtualBackend>(midi::ActiveBackend());
    if (!backend)
        throw std::logic_error("virtual MIDI ports need UseVirtualMidi() first");
    return backend;
}

}  // namespace

void UseVirtualMidi()
{
    midi::ReplaceBackend(midi::MakeVirtualBackend());
}

void UseMidiBridge(const std::string& socketPath)
{
    midi::ReplaceBackend(midi::MakeBridgeBackend(socketPath));
}

void UseAlsaMidi()
{
    midi::ReplaceBackend(midi::MakeAlsaBackend());
}

UINT AddVirtualMidiIn(const VirtualMidiPort& port)
{
    return Virtual()->AddInput(port);
}

UINT AddVirtualMidiOut(const VirtualMidiPort& port, VirtualMidiReceiver receiver)
{
    return Virtual()->AddOutput(port, std::move(receiver));
}

void SendVirtualMidiIn(UINT index, std::vector<BYTE> bytes)
{
    Virtual()->Send(index, std::move(bytes));
}

void SetVirtualMidiFragmentSize(UINT index, std::size_t maxBytes)
{
    Virtual()->SetFragmentSize(index, maxBytes);
}

void SetVirtualMidiByteRate(UINT bytesPerSecond)
{
    Virtual()->SetByteRate(bytesPerSecond);
}

void WaitVirtualMidiDelivered()
{
    Virtual()->WaitDelivered();
}

void SetVirtualMidiInOpenResult(UINT index, MMRESULT result)
{
    Virtual()->SetOpenResult(midi::Direction::In, index, result);
}

void SetVirtualMidiOutOpenResult(UINT index, MMRESULT result)
{
    Virtual()->SetOpenResult(midi::Direction::Out, index, result);
}

void SetVirtualMidiSendResult(UINT index, MMRESULT result)
{
    SetVirtualMidiOutCallResult(index, MidiPortCall::Send, result);
}

void SetVirtualMidiInCallResult(UINT index, MidiPortCall call, MMRESULT result, UINT passing)
{
    Virtual()->SetCallResult(midi::Direction::In, index, call, result, passing);
}

void SetVirtualMidiOutCallResult(UINT index, MidiPortCall call, MMRESULT result, UINT passing)
{
    Virtual()->SetCallResult(midi::Direction::Out, index, call, result, passing);
}

}  // namespace platform::testing
