// The output half of the port interface.
#include "caps.h"
#include "output_port.h"
#include "port_table.h"

using platform::midi::Direction;
using platform::midi::OutputPort;

namespace {

platform::midi::PortTable<OutputPort>& Outputs()
{
    static platform::midi::PortTable<OutputPort> table;
    return table;
}

}  // namespace

UINT midiOutGetNumDevs()
{
    return platform::midi::ActiveBackend()->Count(Direction::Out);
}

MMRESULT midiOutGetDevCapsA(UINT_PTR deviceId, LPMIDIOUTCAPSA caps, UINT capsSize)
{
    return platform::midi::FillCaps(Direction::Out, deviceId, caps, capsSize);
}

MMRESULT midiOutGetDevCapsW(UINT_PTR deviceId, LPMIDIOUTCAPSW caps, UINT capsSize)
{
    return platform::midi::FillCaps(Direction::Out, deviceId, caps, capsSize);
}

MMRESULT midiOutOpen(LPHMIDIOUT port, UINT deviceId, DWORD_PTR callback, DWORD_PTR, DWORD flags)
{
    return Outputs().Open(port, Direction::Out, deviceId, callback, flags);
}

MMRESULT midiOutShortMsg(HMIDIOUT port, DWORD message)
{
    return Outputs().With(port, [&](OutputPort& output) { return output.ShortMsg(message); });
}

MMRESULT midiOutPrepareHeader(HMIDIOUT port, LPMIDIHDR header, UINT headerSize)
{
    return Outputs().With(port, [&](OutputPort& output) { return output.PrepareHeader(header, headerSize); });
}

MMRESULT midiOutUnprepareHeader(HMIDIOUT port, LPMIDIHDR header, UINT headerSize)
{
    return Outputs().With(port, [&](OutputPort& output) { return output.UnprepareHeader(header, headerSize); });
}

MMRESULT midiOutLongMsg(HMIDIOUT port, LPMIDIHDR header, UINT headerSize)
{
    return Outputs().With(port, [&](OutputPort& output) { return output.LongMsg(header, headerSize); });
}

MMRESULT midiOutClose(HMIDIOUT port)
{
    return Outputs().Close(port);
}
