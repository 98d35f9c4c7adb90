// Output ports: short and long sends in one order, completion messages,
// refusals and the close rule, on virtual ports.
#include "midi_fixture.h"

#include <platform/kernel.h>

#include <condition_variable>
#include <thread>

namespace midi_test {
namespace {

using namespace platform::testing;

using OutputTest = VirtualMidiTest;
using Bytes = std::vector<BYTE>;

struct LongMessage
{
    explicit LongMessage(Bytes content) : bytes(std::move(content))
    {
        header.lpData = reinterpret_cast<LPSTR>(bytes.data());
        header.dwBufferLength = static_cast<DWORD>(bytes.size());
    }
    Bytes bytes;
    MIDIHDR header{};
};

TEST_F(OutputTest, ShortAndLongSendsReachTheDeviceInSendOrder)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    LongMessage first(Bytes(413, 0x11)), second({0xF0, 0x7D, 0xF7});
    first.bytes.front() = 0xF0;
    first.bytes.back() = 0xF7;
    ASSERT_EQ(midiOutPrepareHeader(port, &first.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutPrepareHeader(port, &second.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);

    ASSERT_EQ(midiOutShortMsg(port, 0x403C90), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutLongMsg(port, &first.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutShortMsg(port, 0x7BB3), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutLongMsg(port, &second.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutShortMsg(port, 0x07C5), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutShortMsg(port, 0xF8), MMSYSERR_NOERROR);

    for (MIDIHDR* done : {&first.header, &second.header}) {
        const PortEvent event = NextEvent();
        EXPECT_EQ(event.message, UINT{MM_MOM_DONE});
        EXPECT_EQ(event.wParam, reinterpret_cast<WPARAM>(port));
        EXPECT_EQ(event.header(), done);
        EXPECT_EQ(done->dwFlags, MHDR_PREPARED | MHDR_DONE);
        EXPECT_EQ(midiOutUnprepareHeader(port, done, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(
        device.Take(),
        (std::vector<Bytes>{{0x90, 0x3C, 0x40}, first.bytes, {0xB3, 0x7B, 0x00}, second.bytes, {0xC5, 0x07}, {0xF8}}));
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

TEST_F(OutputTest, ShortMessagesWithoutAStatusByteAreRefused)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    for (const DWORD message : {0x3Cu, 0xF0u, 0xF7u, 0xF4u})
        EXPECT_EQ(midiOutShortMsg(port, message), MMSYSERR_INVALPARAM) << std::hex << message;
    EXPECT_TRUE(device.Take().empty());
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

TEST_F(OutputTest, InjectedSendRefusalReachesBothKindsOfSend)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    LongMessage message({0xF0, 0x01, 0xF7});
    ASSERT_EQ(midiOutPrepareHeader(port, &message.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);

    SetVirtualMidiSendResult(0, MIDIERR_NOTREADY);
    EXPECT_EQ(midiOutShortMsg(port, 0x403C90), MMRESULT{MIDIERR_NOTREADY});
    EXPECT_EQ(midiOutLongMsg(port, &message.header, sizeof(MIDIHDR)), MMRESULT{MIDIERR_NOTREADY});
    EXPECT_EQ(message.header.dwFlags, MHDR_PREPARED) << "a refused buffer is not queued";
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR) << "nothing is pending";
    EXPECT_TRUE(device.Take().empty());
    EXPECT_TRUE(PostedNow().empty());
}

TEST_F(OutputTest, InjectedPrepareAndCloseRefusalsLeaveThePortAsItWas)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    LongMessage message({0xF0, 0x01, 0xF7});
    SetVirtualMidiOutCallResult(0, MidiPortCall::PrepareHeader, MMSYSERR_NOMEM);
    EXPECT_EQ(midiOutPrepareHeader(port, &message.header, sizeof(MIDIHDR)), MMRESULT{MMSYSERR_NOMEM});
    EXPECT_EQ(message.header.dwFlags, 0u);
    SetVirtualMidiOutCallResult(0, MidiPortCall::Close, MMSYSERR_ERROR);
    EXPECT_EQ(midiOutClose(port), MMRESULT{MMSYSERR_ERROR});
    EXPECT_EQ(midiOutShortMsg(port, 0x403C90), MMSYSERR_NOERROR) << "still open";
    EXPECT_EQ(device.Take(), (std::vector<std::vector<BYTE>>{{0x90, 0x3C, 0x40}}));
    SetVirtualMidiOutCallResult(0, MidiPortCall::Close, MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

TEST_F(OutputTest, LongSendHeaderRules)
{
    AddVirtualMidiOut({"OUT"}, nullptr);
    HMIDIOUT port = OpenOutput(0);
    LongMessage message({0xF0, 0x01, 0xF7});
    EXPECT_EQ(midiOutLongMsg(port, &message.header, sizeof(MIDIHDR)), MIDIERR_UNPREPARED);
    EXPECT_EQ(midiOutLongMsg(port, nullptr, sizeof(MIDIHDR)), MMSYSERR_INVALPARAM);
    LongMessage empty({});
    empty.header.lpData = reinterpret_cast<LPSTR>(message.bytes.data());
    ASSERT_EQ(midiOutPrepareHeader(port, &empty.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutLongMsg(port, &empty.header, sizeof(MIDIHDR)), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

// A device that takes its time: sends stay pending until it is let go.
class SlowDevice
{
public:
    VirtualMidiReceiver Receiver()
    {
        return [this](const BYTE*, std::size_t) {
            std::unique_lock<std::mutex> lock(mutex_);
            ++received_;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        };
    }
    void WaitForFirst()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return received_ > 0; });
    }
    void Release()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int received_ = 0;
    bool released_ = false;
};

TEST_F(OutputTest, CloseIsRefusedWhileLongSendsArePending)
{
    SlowDevice device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    LongMessage first({0xF0, 0x01, 0xF7}), second({0xF0, 0x02, 0xF7});
    for (LongMessage* message : {&first, &second}) {
        ASSERT_EQ(midiOutPrepareHeader(port, &message->header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
        ASSERT_EQ(midiOutLongMsg(port, &message->header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    }
    device.WaitForFirst();
    EXPECT_NE(first.header.dwFlags & MHDR_INQUEUE, 0u);
    EXPECT_EQ(midiOutLongMsg(port, &second.header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiOutUnprepareHeader(port, &first.header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiOutClose(port), MIDIERR_STILLPLAYING);

    device.Release();
    EXPECT_EQ(NextEvent().header(), &first.header);
    EXPECT_EQ(NextEvent().header(), &second.header);
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

TEST_F(OutputTest, ShortSendsFromSeveralThreadsKeepEachThreadsOrder)
{
    DeviceLog device;
    AddVirtualMidiOut({"OUT"}, device.Receiver());
    HMIDIOUT port = OpenOutput(0);
    constexpr int kThreads = 4, kEach = 100;
    std::vector<std::thread> senders;
    for (int channel = 0; channel < kThreads; ++channel) {
        senders.emplace_back([=] {
            for (int value = 0; value < kEach; ++value)
                EXPECT_EQ(midiOutShortMsg(port, 0xB0u | channel | value << 16 | 7 << 8), MMSYSERR_NOERROR);
        });
    }
    for (std::thread& sender : senders)
        sender.join();
    int next[kThreads] = {};
    for (const Bytes& sent : device.Take()) {
        ASSERT_EQ(sent.size(), 3u);
        EXPECT_EQ(sent[2], next[sent[0] & 0x0F]++);
    }
    for (const int count : next)
        EXPECT_EQ(count, kEach);
    EXPECT_EQ(midiOutClose(port), MMSYSERR_NOERROR);
}

}  // namespace
}  // namespace midi_test
