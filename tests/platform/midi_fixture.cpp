#include "midi_fixture.h"

#include <platform/kernel.h>
#include <platform/messaging.h>

namespace midi_test {

namespace {

constexpr DWORD kPatienceMs = 5000;

}  // namespace

PortEvent NextEvent()
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (GetTickCount() - start > kPatienceMs)
            return {};
        Sleep(1);
    }
    return {msg.message, msg.wParam, msg.lParam};
}

std::vector<PortEvent> PostedNow()
{
    std::vector<PortEvent> events;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        events.push_back({msg.message, msg.wParam, msg.lParam});
    return events;
}

InputBuffers::InputBuffers(std::size_t count, DWORD size) : bytes_(count, std::vector<char>(size)), headers_(count)
{
    for (std::size_t i = 0; i < count; ++i) {
        headers_[i].lpData = bytes_[i].data();
        headers_[i].dwBufferLength = size;
    }
}

void InputBuffers::AddAll(HMIDIIN port)
{
    for (MIDIHDR& header : headers_) {
        ASSERT_EQ(midiInPrepareHeader(port, &header, sizeof header), MMSYSERR_NOERROR);
        ASSERT_EQ(midiInAddBuffer(port, &header, sizeof header), MMSYSERR_NOERROR);
    }
}

void InputBuffers::UnprepareAll(HMIDIIN port)
{
    for (MIDIHDR& header : headers_)
        EXPECT_EQ(midiInUnprepareHeader(port, &header, sizeof header), MMSYSERR_NOERROR);
}

platform::testing::VirtualMidiReceiver DeviceLog::Receiver()
{
    return [this](const BYTE* data, std::size_t size) {
        std::lock_guard<std::mutex> lock(mutex_);
        sends_.emplace_back(data, data + size);
    };
}

std::vector<std::vector<BYTE>> DeviceLog::Take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(sends_);
}

void VirtualMidiTest::SetUp()
{
    platform::testing::UseVirtualMidi();
    PostedNow();
}

void VirtualMidiTest::TearDown()
{
    EXPECT_TRUE(PostedNow().empty()) << "port messages left over";
    platform::testing::UseVirtualMidi();
}

HMIDIIN VirtualMidiTest::OpenStartedInput(UINT index, InputBuffers& buffers)
{
    HMIDIIN port = nullptr;
    EXPECT_EQ(midiInOpen(&port, index, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    buffers.AddAll(port);
    EXPECT_EQ(midiInStart(port), MMSYSERR_NOERROR);
    return port;
}

HMIDIOUT VirtualMidiTest::OpenOutput(UINT index)
{
    HMIDIOUT port = nullptr;
    EXPECT_EQ(midiOutOpen(&port, index, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    return port;
}

}  // namespace midi_test
