#pragma once
// What the MIDI tests share: the port messages posted to the test thread,
// input buffers, and a fixture on a fresh set of virtual ports.
#include <platform/midi.h>
#include <platform/testing/midi.h>

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

namespace midi_test {

struct PortEvent
{
    UINT message = 0;  // 0 when none came
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    MIDIHDR* header() const { return reinterpret_cast<MIDIHDR*>(lParam); }
};

// The next message posted to this thread, waiting up to a few seconds.
PortEvent NextEvent();
// The messages posted to this thread so far, without waiting.
std::vector<PortEvent> PostedNow();

// Prepared input buffers of one size, each with its own bytes.
class InputBuffers
{
public:
    InputBuffers(std::size_t count, DWORD size);
    // Prepares and queues every buffer on the port.
    void AddAll(HMIDIIN port);
    void UnprepareAll(HMIDIIN port);
    MIDIHDR& operator[](std::size_t i) { return headers_[i]; }

private:
    std::vector<std::vector<char>> bytes_;
    std::vector<MIDIHDR> headers_;
};

// Everything a virtual OUT port's device received, one entry per send.
class DeviceLog
{
public:
    platform::testing::VirtualMidiReceiver Receiver();
    std::vector<std::vector<BYTE>> Take();

private:
    std::mutex mutex_;
    std::vector<std::vector<BYTE>> sends_;
};

class VirtualMidiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens IN port index with this thread as the callback and starts it
    // after queueing the buffers.
    HMIDIIN OpenStartedInput(UINT index, InputBuffers& buffers);
    HMIDIOUT OpenOutput(UINT index);
};

}  // namespace midi_test
