// A flood of input: short messages wait in a fixed room of the receiving
// thread's queue and the rest are dropped and counted, while returned
// buffers always get through.
#include "midi_fixture.h"

#include "platform/src/midi/delivery.h"

#include <platform/kernel.h>

namespace midi_test {
namespace {

using namespace platform::testing;
using platform::midi::kShortInputRoom;

using InputRoomTest = VirtualMidiTest;

constexpr std::size_t kBeyondRoom = 500;

ULONGLONG DroppedBytes(HMIDIIN port)
{
    ULONGLONG dropped = ~ULONGLONG{0};
    EXPECT_EQ(midiInGetDroppedBytes(port, &dropped), MMSYSERR_NOERROR);
    return dropped;
}

// The first message whole, then `count - 1` more that repeat its tail (all
// of it, or its data bytes under running status).
std::vector<BYTE> Repeated(const std::vector<BYTE>& first, std::size_t tailFrom, std::size_t count)
{
    std::vector<BYTE> bytes = first;
    for (std::size_t i = 1; i < count; ++i)
        bytes.insert(bytes.end(), first.begin() + static_cast<std::ptrdiff_t>(tailFrom), first.end());
    return bytes;
}

void CloseWithBuffers(HMIDIIN port, InputBuffers& buffers)
{
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    PostedNow();
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputRoomTest, ShortMessagesBeyondTheRoomAreDroppedAndCountedInBytes)
{
    struct Case
    {
        const char* name;
        std::vector<BYTE> message;
        std::size_t tailFrom;  // 1: running status
        LPARAM packed;
    };
    const Case cases[] = {
        {"note on", {0x90, 0x3C, 0x40}, 0, 0x403C90},
        {"note on, running status", {0x90, 0x3C, 0x40}, 1, 0x403C90},
        {"controller", {0xB2, 0x07, 0x64}, 0, 0x6407B2},
        {"program change", {0xC0, 0x05}, 0, 0x05C0},
        {"clock", {0xF8}, 0, 0xF8},
    };
    AddVirtualMidiIn({"IN"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputBuffers buffers(1, 64);
        HMIDIIN port = OpenStartedInput(0, buffers);
        // Nobody takes messages off this thread's queue while the device floods it.
        SendVirtualMidiIn(0, Repeated(c.message, c.tailFrom, kShortInputRoom + kBeyondRoom));
        WaitVirtualMidiDelivered();

        const std::vector<PortEvent> posted = PostedNow();
        ASSERT_EQ(posted.size(), kShortInputRoom);
        for (const PortEvent& event : posted)
            ASSERT_EQ(event.lParam, c.packed);
        EXPECT_EQ(DroppedBytes(port), kBeyondRoom * c.message.size());

        // Once taken, the room is there again and the count stays.
        SendVirtualMidiIn(0, c.message);
        EXPECT_EQ(NextEvent().lParam, c.packed);
        EXPECT_EQ(DroppedBytes(port), kBeyondRoom * c.message.size());
        CloseWithBuffers(port, buffers);
    }
}

TEST_F(InputRoomTest, AFilledBufferIsReturnedEvenWhenTheRoomIsFull)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(1, 64);
    HMIDIIN port = OpenStartedInput(0, buffers);
    std::vector<BYTE> bytes = Repeated({0xF8}, 0, kShortInputRoom + 1);
    bytes.insert(bytes.end(), {0xF0, 0x01, 0x02, 0xF7});
    SendVirtualMidiIn(0, bytes);
    WaitVirtualMidiDelivered();

    const std::vector<PortEvent> posted = PostedNow();
    ASSERT_EQ(posted.size(), kShortInputRoom + 1);
    EXPECT_EQ(posted.back().message, UINT{MM_MIM_LONGDATA});
    EXPECT_EQ(posted.back().header(), &buffers[0]);
    EXPECT_EQ(buffers[0].dwBytesRecorded, 4u);
    EXPECT_EQ(DroppedBytes(port), 1u);
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputRoomTest, SysExBytesWithoutABufferAreCountedButInputWhileStoppedIsNot)
{
    AddVirtualMidiIn({"IN"});
    HMIDIIN port = nullptr;
    ASSERT_EQ(midiInOpen(&port, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    SendVirtualMidiIn(0, {0xF0, 0x01, 0xF7, 0x90, 0x01, 0x01});
    WaitVirtualMidiDelivered();
    EXPECT_EQ(DroppedBytes(port), 0u);

    ASSERT_EQ(midiInStart(port), MMSYSERR_NOERROR);
    SendVirtualMidiIn(0, {0xF0, 0x02, 0x03, 0xF7, 0x90, 0x02, 0x02});
    EXPECT_EQ(NextEvent().lParam, 0x020290);
    EXPECT_EQ(DroppedBytes(port), 4u);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputRoomTest, TheCountNeedsAnOpenPortAndSomewhereToWrite)
{
    ULONGLONG dropped = 0;
    EXPECT_EQ(midiInGetDroppedBytes(nullptr, &dropped), MMSYSERR_INVALHANDLE);
    AddVirtualMidiIn({"IN"});
    HMIDIIN port = nullptr;
    ASSERT_EQ(midiInOpen(&port, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInGetDroppedBytes(port, nullptr), MMSYSERR_INVALPARAM);
    ASSERT_EQ(midiInClose(port), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInGetDroppedBytes(port, &dropped), MMSYSERR_INVALHANDLE);
}

}  // namespace
}  // namespace midi_test
