// Splitting received buffers into messages and collecting System Exclusive
// messages across buffers, on the MIDI thread.
#include "framework/services/HfcMidi.h"

#include "framework/services/EfTrace.h"

namespace {

constexpr BYTE kSysExStart = 0xF0;
constexpr BYTE kSysExEnd = 0xF7;
constexpr BYTE kFirstRealTime = 0xF8;

bool IsDataByte(BYTE byte)
{
    return byte < 0x80;
}

}  // namespace

// Running status is not understood: each short message carries its status.
void CHfcMidi::ParseInput(int count, const BYTE* bytes)
{
    int i = 0;
    while (i < count) {
        if (m_sysEx.IsCollecting()) {
            ParseSysEx(count - i, bytes + i);
            return;
        }
        const BYTE status = bytes[i];
        // A lone F7 ends nothing; taken as a message it would swallow the next bytes.
        if (IsDataByte(status) || status == kSysExEnd) {
            ++i;
            continue;
        }
        if (status == kSysExStart) {
            m_sysEx.Empty();
            ParseSysEx(count - i, bytes + i);
            return;
        }
        const int length = GetShortMessageLength(status);
        if (count - i < length)
            return;
        DeliverShortMessage(bytes + i, length);
        i += length;
    }
}

// Reports progress on return while a message is still open, so a call nested
// for the bytes after a completed message reports before the call around it.
void CHfcMidi::ParseSysEx(int count, const BYTE* bytes)
{
    for (int i = 0; i < count; ++i) {
        const BYTE byte = bytes[i];
        if (IsDataByte(byte)) {
            if (m_sysEx.AppendData(byte))
                continue;
            EfTrace("CHfcMidi::ParseSysEx() - %s", "System Exclusive message too long.");
            m_sysEx.Empty();
            ParseInput(count - i - 1, bytes + i + 1);
            break;
        }
        if (byte == kSysExStart) {
            m_sysEx.Start();
        } else if (byte >= kFirstRealTime) {
            // Real-time bytes may come anywhere, also inside a message.
            DeliverShortMessage(&byte, 1);
        } else if (byte == kSysExEnd) {
            m_sysEx.Finish();
            DeliverSysEx(i + 1, bytes);
            m_sysEx.Empty();
            ParseInput(count - i - 1, bytes + i + 1);
            break;
        } else {
            // Any other status ends the message unfinished and starts its own.
            m_sysEx.Empty();
            ParseInput(count - i, bytes + i);
            break;
        }
    }
    if (m_sysEx.IsCollecting())
        ReportProgress(count, bytes);
}

void CHfcMidi::DeliverShortMessage(const BYTE* bytes, int length)
{
    const CHfcMidiMessage message(bytes, length);
    NotifyListeners([&](CHfcMidiListener& listener) { listener.OnHfcMidiMessage(this, message); },
                    [&](CHfcMidiListener& listener) { listener.OnHfcMidiShortData(this, length, bytes); });
}

void CHfcMidi::DeliverSysEx(int consumed, const BYTE* start)
{
    const std::vector<BYTE>& collected = m_sysEx.GetBytes();
    const CHfcMidiMessage message(collected.data(), static_cast<int>(collected.size()));
    NotifyListeners([&](CHfcMidiListener& listener) { listener.OnHfcMidiLongDataProgress(this, consumed, start); },
                    [&](CHfcMidiListener& listener) { listener.OnHfcMidiSysExMessage(this, message); },
                    [&](CHfcMidiListener& listener) {
                        listener.OnHfcMidiSysExData(this, message.GetLength(), message.GetByte(0));
                    });
}

void CHfcMidi::ReportProgress(int count, const BYTE* start)
{
    NotifyListeners([&](CHfcMidiListener& listener) { listener.OnHfcMidiLongDataProgress(this, count, start); });
}
