#pragma once
// Splits a raw MIDI byte stream into short messages and runs of System
// Exclusive bytes, the way an input driver reports them.
#include <platform/types.h>

#include <cstddef>

namespace platform::midi {

class StreamEvents
{
public:
    virtual ~StreamEvents() = default;
    // A complete short message packed as status | data1 << 8 | data2 << 16;
    // real-time bytes come this way at once, even inside System Exclusive.
    virtual void ShortMessage(DWORD packed) = 0;
    // Consecutive bytes of the current System Exclusive message (F0 and F7 included).
    virtual void SysExBytes(const BYTE* data, std::size_t size) = 0;
    // The current System Exclusive message ended with F7 or was cut off by a status byte.
    virtual void SysExEnded() = 0;
};

class StreamParser
{
public:
    void Feed(const BYTE* data, std::size_t size, StreamEvents& events);
    // Forgets a partial message and the running status.
    void Reset();

private:
    void StatusByte(BYTE status, StreamEvents& events);
    void DataByte(BYTE data, StreamEvents& events);

    bool inSysEx_ = false;
    BYTE runningStatus_ = 0;  // channel status reused by data bytes without one
    BYTE message_[3] = {};
    int have_ = 0;  // bytes of message_ collected; 0 when none is open
    int need_ = 0;
};

// Bytes in a short message with this status byte; 0 for data bytes, F0, F7
// and the undefined F4 and F5.
int ShortMessageLength(BYTE status);

}  // namespace platform::midi
