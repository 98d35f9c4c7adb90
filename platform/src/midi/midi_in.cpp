// The input half of the port interface.
#include "caps.h"
#include "input_port.h"
#include "port_table.h"

using platform::midi::Direction;
using platform::midi::InputPort;

namespace {

platform::midi::PortTable<InputPort>& Inputs()
{
    static platform::midi::PortTable<InputPort> table;
    return table;
}

}  // namespace

UINT midiInGetNumDevs()
{
    return platform::midi::ActiveBackend()->Count(Direction::In);
}

MMRESULT midiInGetDevCapsA(UINT_PTR deviceId, LPMIDIINCAPSA caps, UINT capsSize)
{
    return platform::midi::FillCaps(Direction::In, deviceId, caps, capsSize);
}

MMRESULT midiInGetDevCapsW(UINT_PTR deviceId, LPMIDIINCAPSW caps, UINT capsSize)
{
    return platform::midi::FillCaps(Direction::In, deviceId, caps, capsSize);
}

MMRESULT midiInOpen(LPHMIDIIN port, UINT deviceId, DWORD_PTR callback, DWORD_PTR, DWORD flags)
{
    return Inputs().Open(port, Direction::In, deviceId, callback, flags);
}

MMRESULT midiInPrepareHeader(HMIDIIN port, LPMIDIHDR header, UINT headerSize)
{
    return Inputs().With(port, [&](InputPort& input) { return input.PrepareHeader(header, headerSize); });
}

MMRESULT midiInUnprepareHeader(HMIDIIN port, LPMIDIHDR header, UINT headerSize)
{
    return Inputs().With(port, [&](InputPort& input) { return input.UnprepareHeader(header, headerSize); });
}

MMRESULT midiInAddBuffer(HMIDIIN port, LPMIDIHDR header, UINT headerSize)
{
    return Inputs().With(port, [&](InputPort& input) { return input.AddBuffer(header, headerSize); });
}

MMRESULT midiInStart(HMIDIIN port)
{
    return Inputs().With(port, [](InputPort& input) { return input.Start(); });
}

MMRESULT midiInStop(HMIDIIN port)
{
    return Inputs().With(port, [](InputPort& input) { return input.Stop(); });
}

MMRESULT midiInReset(HMIDIIN port)
{
    return Inputs().With(port, [](InputPort& input) { return input.Reset(); });
}

MMRESULT midiInClose(HMIDIIN port)
{
    return Inputs().Close(port);
}

MMRESULT midiInGetDroppedBytes(HMIDIIN port, ULONGLONG* bytes)
{
    if (bytes == nullptr)
        return MMSYSERR_INVALPARAM;
    return Inputs().With(port, [&](InputPort& input) {
        *bytes = input.DroppedBytes();
        return MMRESULT{MMSYSERR_NOERROR};
    });
}
