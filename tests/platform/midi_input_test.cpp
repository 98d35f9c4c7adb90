// Input ports: short messages, System Exclusive in buffers, and the stop,
// reset and close rules, on virtual ports.
#include "midi_fixture.h"

#include <platform/kernel.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace midi_test {
namespace {

using namespace platform::testing;

using InputTest = VirtualMidiTest;

std::vector<BYTE> SysEx(std::size_t size)
{
    std::vector<BYTE> message(size);
    message.front() = 0xF0;
    for (std::size_t i = 1; i + 1 < size; ++i)
        message[i] = static_cast<BYTE>(i % 128);
    message.back() = 0xF7;
    return message;
}

std::vector<BYTE> Recorded(const MIDIHDR& header)
{
    return std::vector<BYTE>(header.lpData, header.lpData + header.dwBytesRecorded);
}

TEST_F(InputTest, ShortMessagesArrivePackedWithThePortHandle)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(1, 64);
    HMIDIIN port = OpenStartedInput(0, buffers);
    SendVirtualMidiIn(0, {0x90, 0x3C, 0x40, 0xC5, 0x07, 0xF8, 0xF2, 0x01, 0x02});

    for (const LPARAM packed : {0x403C90, 0x07C5, 0xF8, 0x0201F2}) {
        const PortEvent event = NextEvent();
        EXPECT_EQ(event.message, UINT{MM_MIM_DATA});
        EXPECT_EQ(event.wParam, reinterpret_cast<WPARAM>(port));
        EXPECT_EQ(event.lParam, packed);
    }
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    EXPECT_EQ(NextEvent().message, UINT{MM_MIM_LONGDATA});
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputTest, ShortAndLongMessagesKeepTheirOrder)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(2, 64);
    HMIDIIN port = OpenStartedInput(0, buffers);
    SendVirtualMidiIn(0, {0x90, 0x3C, 0x40, 0xF0, 0x01, 0x02, 0xF7, 0x80, 0x3C, 0x00});

    EXPECT_EQ(NextEvent().lParam, 0x403C90);
    const PortEvent sysEx = NextEvent();
    ASSERT_EQ(sysEx.message, UINT{MM_MIM_LONGDATA});
    EXPECT_EQ(sysEx.wParam, reinterpret_cast<WPARAM>(port));
    EXPECT_EQ(sysEx.header(), &buffers[0]);
    EXPECT_EQ(Recorded(buffers[0]), (std::vector<BYTE>{0xF0, 0x01, 0x02, 0xF7}));
    EXPECT_EQ(buffers[0].dwFlags & (MHDR_DONE | MHDR_INQUEUE), MHDR_DONE);
    EXPECT_EQ(NextEvent().lParam, 0x003C80);

    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    EXPECT_EQ(NextEvent().header(), &buffers[1]);
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

struct Fragmenting
{
    const char* name;
    std::size_t fragmentSize;
    DWORD bufferSize;
};

class FragmentTest : public VirtualMidiTest, public testing::WithParamInterface<Fragmenting>
{};

// A 413-byte message with a timing clock inside: the buffers hold its bytes
// only, in order, none past its length; the clock comes as a short message.
TEST_P(FragmentTest, SysExSpansBuffersAndHoldsSysExBytesOnly)
{
    const Fragmenting& c = GetParam();
    AddVirtualMidiIn({"IN"});
    SetVirtualMidiFragmentSize(0, c.fragmentSize);
    InputBuffers buffers(8, c.bufferSize);
    HMIDIIN port = OpenStartedInput(0, buffers);
    const std::vector<BYTE> message = SysEx(413);
    std::vector<BYTE> sent = message;
    sent.insert(sent.begin() + 200, 0xF8);
    SendVirtualMidiIn(0, sent);

    std::vector<BYTE> joined;
    int clocks = 0, buffersUsed = 0;
    while (joined.size() < message.size()) {
        const PortEvent event = NextEvent();
        if (event.message == MM_MIM_DATA) {
            EXPECT_EQ(event.lParam, 0xF8);
            ++clocks;
            continue;
        }
        ASSERT_EQ(event.message, UINT{MM_MIM_LONGDATA});
        const MIDIHDR& header = *event.header();
        EXPECT_EQ(&header, &buffers[buffersUsed]) << "buffers come back in queue order";
        EXPECT_LE(header.dwBytesRecorded, header.dwBufferLength);
        if (c.fragmentSize) {
            EXPECT_LE(header.dwBytesRecorded, c.fragmentSize);
        }
        const std::vector<BYTE> bytes = Recorded(header);
        joined.insert(joined.end(), bytes.begin(), bytes.end());
        ++buffersUsed;
    }
    EXPECT_EQ(joined, message);
    EXPECT_EQ(clocks, 1);
    EXPECT_GT(buffersUsed, 2);

    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    for (int i = buffersUsed; i < 8; ++i)
        EXPECT_EQ(NextEvent().header()->dwBytesRecorded, 0u);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

INSTANTIATE_TEST_SUITE_P(Fragmenting, FragmentTest,
                         testing::Values(Fragmenting{"FullBuffers", 0, 128}, Fragmenting{"Fragments", 100, 2048},
                                         Fragmenting{"FragmentsAndFullBuffers", 150, 128}),
                         [](const testing::TestParamInfo<Fragmenting>& info) { return std::string(info.param.name); });

TEST_F(InputTest, StopReturnsThePartlyFilledBufferAndResetTheRest)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(3, 64);
    HMIDIIN port = OpenStartedInput(0, buffers);
    SendVirtualMidiIn(0, {0xF0, 0x01, 0x02});
    WaitVirtualMidiDelivered();
    EXPECT_TRUE(PostedNow().empty()) << "an unfinished message stays in its buffer";

    ASSERT_EQ(midiInStop(port), MMSYSERR_NOERROR);
    const PortEvent partial = NextEvent();
    EXPECT_EQ(partial.header(), &buffers[0]);
    EXPECT_EQ(Recorded(buffers[0]), (std::vector<BYTE>{0xF0, 0x01, 0x02}));
    ASSERT_EQ(midiInStop(port), MMSYSERR_NOERROR);
    EXPECT_TRUE(PostedNow().empty()) << "empty buffers stay queued";

    EXPECT_EQ(midiInClose(port), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiInUnprepareHeader(port, &buffers[1], sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    for (MIDIHDR* expected : {&buffers[1], &buffers[2]}) {
        const PortEvent event = NextEvent();
        EXPECT_EQ(event.header(), expected);
        EXPECT_EQ(expected->dwBytesRecorded, 0u);
        EXPECT_EQ(expected->dwFlags & (MHDR_DONE | MHDR_INQUEUE), MHDR_DONE);
    }
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputTest, InputIsLostWhileStoppedOrWithoutBuffers)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(1, 64);
    HMIDIIN port = nullptr;
    ASSERT_EQ(midiInOpen(&port, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    SendVirtualMidiIn(0, {0x90, 0x01, 0x01, 0xF0, 0x01, 0xF7});
    WaitVirtualMidiDelivered();
    ASSERT_EQ(midiInStart(port), MMSYSERR_NOERROR);
    // No buffer yet: the System Exclusive bytes are dropped, the short message is not.
    SendVirtualMidiIn(0, {0xF0, 0x02, 0xF7, 0x90, 0x02, 0x02});
    WaitVirtualMidiDelivered();
    buffers.AddAll(port);
    SendVirtualMidiIn(0, {0xF0, 0x03, 0xF7});
    EXPECT_EQ(NextEvent().lParam, 0x020290);
    EXPECT_EQ(NextEvent().header(), &buffers[0]);
    EXPECT_EQ(Recorded(buffers[0]), (std::vector<BYTE>{0xF0, 0x03, 0xF7}));
    ASSERT_EQ(midiInStop(port), MMSYSERR_NOERROR);
    SendVirtualMidiIn(0, {0x90, 0x04, 0x04});
    WaitVirtualMidiDelivered();
    EXPECT_TRUE(PostedNow().empty());
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(InputTest, HeaderRules)
{
    AddVirtualMidiIn({"IN"});
    HMIDIIN port = nullptr;
    ASSERT_EQ(midiInOpen(&port, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    char bytes[16];
    MIDIHDR header{};
    header.lpData = bytes;
    header.dwBufferLength = sizeof bytes;
    MIDIHDR noData{};
    noData.dwBufferLength = 16;

    EXPECT_EQ(midiInAddBuffer(port, &header, sizeof header), MIDIERR_UNPREPARED);
    EXPECT_EQ(midiInPrepareHeader(port, &noData, sizeof noData), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiInPrepareHeader(port, nullptr, sizeof header), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiInPrepareHeader(port, &header, 8), MMSYSERR_INVALPARAM);
    ASSERT_EQ(midiInPrepareHeader(port, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(header.dwFlags, MHDR_PREPARED);
    ASSERT_EQ(midiInAddBuffer(port, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInAddBuffer(port, &header, sizeof header), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiInUnprepareHeader(port, &header, sizeof header), MIDIERR_STILLPLAYING);

    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    EXPECT_EQ(NextEvent().header(), &header);
    EXPECT_EQ(midiInUnprepareHeader(port, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(header.dwFlags, MHDR_DONE);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

// Each injected refusal answers with its code and leaves the port as it was;
// the calls before it pass.
TEST_F(InputTest, InjectedCallRefusalsLeaveThePortAsItWas)
{
    AddVirtualMidiIn({"IN"});
    HMIDIIN port = nullptr;
    ASSERT_EQ(midiInOpen(&port, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    InputBuffers buffers(3, 16);

    SetVirtualMidiInCallResult(0, MidiPortCall::PrepareHeader, MMSYSERR_NOMEM, 1);
    EXPECT_EQ(midiInPrepareHeader(port, &buffers[0], sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInPrepareHeader(port, &buffers[1], sizeof(MIDIHDR)), MMRESULT{MMSYSERR_NOMEM});
    EXPECT_EQ(buffers[1].dwFlags, 0u);
    SetVirtualMidiInCallResult(0, MidiPortCall::PrepareHeader, MMSYSERR_NOERROR);
    ASSERT_EQ(midiInPrepareHeader(port, &buffers[1], sizeof(MIDIHDR)), MMSYSERR_NOERROR);

    SetVirtualMidiInCallResult(0, MidiPortCall::AddBuffer, MMSYSERR_NOMEM, 1);
    ASSERT_EQ(midiInAddBuffer(port, &buffers[0], sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInAddBuffer(port, &buffers[1], sizeof(MIDIHDR)), MMRESULT{MMSYSERR_NOMEM});
    EXPECT_EQ(buffers[1].dwFlags, MHDR_PREPARED) << "a refused buffer is not queued";
    SetVirtualMidiInCallResult(0, MidiPortCall::AddBuffer, MMSYSERR_NOERROR);

    SetVirtualMidiInCallResult(0, MidiPortCall::Start, MMSYSERR_ERROR);
    EXPECT_EQ(midiInStart(port), MMRESULT{MMSYSERR_ERROR});
    SendVirtualMidiIn(0, {0x90, 0x01, 0x01});
    WaitVirtualMidiDelivered();
    EXPECT_TRUE(PostedNow().empty()) << "not started";
    SetVirtualMidiInCallResult(0, MidiPortCall::Start, MMSYSERR_NOERROR);
    ASSERT_EQ(midiInStart(port), MMSYSERR_NOERROR);

    SetVirtualMidiInCallResult(0, MidiPortCall::Stop, MMSYSERR_ERROR);
    EXPECT_EQ(midiInStop(port), MMRESULT{MMSYSERR_ERROR});
    SendVirtualMidiIn(0, {0x90, 0x02, 0x02});
    EXPECT_EQ(NextEvent().lParam, 0x020290) << "still started";

    SetVirtualMidiInCallResult(0, MidiPortCall::Reset, MMSYSERR_ERROR);
    EXPECT_EQ(midiInReset(port), MMRESULT{MMSYSERR_ERROR});
    EXPECT_TRUE(PostedNow().empty()) << "the buffer stays queued";
    SetVirtualMidiInCallResult(0, MidiPortCall::Close, MMSYSERR_ERROR);
    EXPECT_EQ(midiInClose(port), MMRESULT{MMSYSERR_ERROR});

    for (const MidiPortCall call : {MidiPortCall::Stop, MidiPortCall::Reset, MidiPortCall::Close})
        SetVirtualMidiInCallResult(0, call, MMSYSERR_NOERROR);
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    EXPECT_EQ(NextEvent().header(), &buffers[0]);
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

// The port thread recycles each buffer as the Part's port object does while a
// device keeps sending; after the close returns, nothing more is posted.
TEST_F(InputTest, NothingIsPostedAfterCloseReturns)
{
    AddVirtualMidiIn({"IN"});
    InputBuffers buffers(4, 16);
    HMIDIIN port = OpenStartedInput(0, buffers);
    std::atomic<bool> sending{true};
    std::thread device([&] {
        while (sending) {
            SendVirtualMidiIn(0, {0x90, 0x3C, 0x40, 0xF0, 0x01, 0x02, 0x03, 0xF7});
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    for (int handled = 0; handled < 200;) {
        const PortEvent event = NextEvent();
        ASSERT_NE(event.message, 0u);
        if (event.message == MM_MIM_LONGDATA) {
            ASSERT_EQ(midiInAddBuffer(port, event.header(), sizeof(MIDIHDR)), MMSYSERR_NOERROR);
            ++handled;
        }
    }
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    ASSERT_EQ(midiInClose(port), MMSYSERR_NOERROR);
    PostedNow();
    sending = false;
    device.join();
    WaitVirtualMidiDelivered();
    EXPECT_TRUE(PostedNow().empty());
}

}  // namespace
}  // namespace midi_test
