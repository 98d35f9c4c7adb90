// Paced virtual wires: bytes keep their order and take at least their time
// on the wire in both directions.
#include "midi_fixture.h"

#include <chrono>

namespace midi_test {
namespace {

using namespace platform::testing;
using Bytes = std::vector<BYTE>;
using Clock = std::chrono::steady_clock;

using ByteRateTest = VirtualMidiTest;

constexpr UINT kBytesPerSecond = 10'000;
// Sleeps never end early; the margin only absorbs clock rounding.
constexpr double kMargin = 0.9;

std::chrono::duration<double> WireTime(std::size_t bytes)
{
    return std::chrono::duration<double>(static_cast<double>(bytes) / kBytesPerSecond);
}

Bytes SysEx(std::size_t size, BYTE fill)
{
    Bytes message(size, fill);
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

TEST_F(ByteRateTest, OutputTakesItsWireTimeAndKeepsSendOrder)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    SetVirtualMidiByteRate(kBytesPerSecond);
    HMIDIOUT port = OpenOutput(0);
    std::vector<Bytes> sent{SysEx(500, 0x11), SysEx(400, 0x22), SysEx(600, 0x33)};
    std::vector<MIDIHDR> headers(sent.size());

    const Clock::time_point start = Clock::now();
    for (std::size_t i = 0; i < sent.size(); ++i) {
        headers[i].lpData = reinterpret_cast<LPSTR>(sent[i].data());
        headers[i].dwBufferLength = static_cast<DWORD>(sent[i].size());
        ASSERT_EQ(midiOutPrepareHeader(port, &headers[i], sizeof(MIDIHDR)), MMSYSERR_NOERROR);
        ASSERT_EQ(midiOutLongMsg(port, &headers[i], sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    }
    ASSERT_EQ(midiOutShortMsg(port, 0x403C90), MMSYSERR_NOERROR);
    const auto elapsed = Clock::now() - start;

    EXPECT_GE(elapsed, kMargin * WireTime(500 + 400 + 600 + 3));
    sent.push_back({0x90, 0x3C, 0x40});
    EXPECT_EQ(device.Take(), sent);
    for (MIDIHDR& header : headers) {
        EXPECT_EQ(NextEvent().message, UINT{MM_MOM_DONE});
        EXPECT_EQ(midiOutUnprepareHeader(port, &header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

TEST_F(ByteRateTest, InputTakesItsWireTimeAndKeepsArrivalOrder)
{
    AddVirtualMidiIn({"IN"});
    SetVirtualMidiByteRate(kBytesPerSecond);
    InputBuffers buffers(4, 1024);
    HMIDIIN port = OpenStartedInput(0, buffers);
    const std::vector<Bytes> sent{SysEx(700, 0x01), SysEx(300, 0x02), SysEx(500, 0x03)};

    const Clock::time_point start = Clock::now();
    for (const Bytes& message : sent)
        SendVirtualMidiIn(0, message);
    std::vector<Bytes> arrived;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const PortEvent event = NextEvent();
        ASSERT_EQ(event.message, UINT{MM_MIM_LONGDATA});
        arrived.emplace_back(event.header()->lpData, event.header()->lpData + event.header()->dwBytesRecorded);
        if (i == 0) {
            EXPECT_GE(Clock::now() - start, kMargin * WireTime(700));
        }
    }
    const auto elapsed = Clock::now() - start;

    EXPECT_GE(elapsed, kMargin * WireTime(700 + 300 + 500));
    EXPECT_EQ(arrived, sent);
    ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
    EXPECT_EQ(NextEvent().message, UINT{MM_MIM_LONGDATA});
    buffers.UnprepareAll(port);
    EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
}

TEST_F(ByteRateTest, EachInputPortIsAWireOfItsOwnAndZeroStopsThePacing)
{
    AddVirtualMidiIn({"IN 0"});
    AddVirtualMidiIn({"IN 1"});
    SetVirtualMidiByteRate(kBytesPerSecond);
    InputBuffers first(2, 1024), second(2, 1024);
    HMIDIIN slow = OpenStartedInput(0, first);
    HMIDIIN quick = OpenStartedInput(1, second);

    // The long message on port 0 does not hold up the short one on port 1.
    SendVirtualMidiIn(0, SysEx(1000, 0x01));
    SendVirtualMidiIn(1, SysEx(10, 0x02));
    EXPECT_EQ(NextEvent().wParam, reinterpret_cast<WPARAM>(quick));
    EXPECT_EQ(NextEvent().wParam, reinterpret_cast<WPARAM>(slow));

    SetVirtualMidiByteRate(0);
    SendVirtualMidiIn(0, {0x90, 0x3C, 0x40});
    EXPECT_EQ(NextEvent().lParam, 0x403C90);

    for (auto [port, buffers] : {std::pair{slow, &first}, std::pair{quick, &second}}) {
        ASSERT_EQ(midiInReset(port), MMSYSERR_NOERROR);
        EXPECT_EQ(NextEvent().message, UINT{MM_MIM_LONGDATA});
        buffers->UnprepareAll(port);
        EXPECT_EQ(midiInClose(port), MMSYSERR_NOERROR);
    }
}

}  // namespace
}  // namespace midi_test
