#include "stream_parser.h"

namespace platform::midi {

namespace {

constexpr BYTE kSysExStart = 0xF0;
constexpr BYTE kSysExEnd = 0xF7;
constexpr BYTE kFirstRealTime = 0xF8;

DWORD Pack(const BYTE* bytes, int length)
{
    DWORD packed = 0;
    for (int i = 0; i < length; ++i)
        packed |= static_cast<DWORD>(bytes[i]) << (8 * i);
    return packed;
}

}  // namespace

int ShortMessageLength(BYTE status)
{
    if (status < 0x80 || status == kSysExStart || status == kSysExEnd || status == 0xF4 || status == 0xF5)
        return 0;
    if (status < 0xC0 || (status >= 0xE0 && status < 0xF0) || status == 0xF2)
        return 3;
    if (status < 0xE0 || status == 0xF1 || status == 0xF3)
        return 2;
    return 1;
}

void StreamParser::Reset()
{
    inSysEx_ = false;
    runningStatus_ = 0;
    have_ = 0;
    need_ = 0;
}

void StreamParser::Feed(const BYTE* data, std::size_t size, StreamEvents& events)
{
    std::size_t i = 0;
    while (i < size) {
        if (inSysEx_) {
            // Hand over the run of data bytes (and a closing F7) in one piece.
            std::size_t end = i;
            while (end < size && data[end] < 0x80)
                ++end;
            const bool closed = end < size && data[end] == kSysExEnd;
            if (closed)
                ++end;
            if (end > i)
                events.SysExBytes(data + i, end - i);
            i = end;
            if (closed) {
                inSysEx_ = false;
                events.SysExEnded();
                continue;
            }
            if (i == size)
                break;
            if (data[i] >= kFirstRealTime) {
                events.ShortMessage(data[i++]);
                continue;
            }
            inSysEx_ = false;
            events.SysExEnded();
        }
        const BYTE byte = data[i++];
        if (byte >= 0x80)
            StatusByte(byte, events);
        else
            DataByte(byte, events);
    }
}

void StreamParser::StatusByte(BYTE status, StreamEvents& events)
{
    if (status >= kFirstRealTime) {
        events.ShortMessage(status);
        return;
    }
    have_ = 0;
    if (status == kSysExStart) {
        runningStatus_ = 0;
        inSysEx_ = true;
        events.SysExBytes(&status, 1);
        return;
    }
    runningStatus_ = status < 0xF0 ? status : 0;
    need_ = ShortMessageLength(status);
    if (need_ == 0)
        return;  // a stray F7 or an undefined system common byte
    message_[0] = status;
    have_ = 1;
    if (need_ == 1) {
        have_ = 0;
        events.ShortMessage(status);
    }
}

void StreamParser::DataByte(BYTE data, StreamEvents& events)
{
    if (have_ == 0) {
        if (runningStatus_ == 0)
            return;
        message_[0] = runningStatus_;
        need_ = ShortMessageLength(runningStatus_);
        have_ = 1;
    }
    message_[have_++] = data;
    if (have_ == need_) {
        have_ = 0;
        events.ShortMessage(Pack(message_, need_));
    }
}

}  // namespace platform::midi
