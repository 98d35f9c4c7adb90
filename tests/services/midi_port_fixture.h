#pragma once
// A port object with its thread over a fresh set of virtual ports: one IN
// port that a test device plays into, one OUT port whose device logs what
// it receives.
#include "midi_recorder.h"

#include <platform/testing/midi.h>

#include <gtest/gtest.h>

namespace midi_test {

// Logs its hooks, which run before the listeners, when given a log.
class HookedMidi : public CHfcMidi
{
public:
    explicit HookedMidi(MidiCallLog* hooks = nullptr) : m_hooks(hooks) {}
    // Ends the thread while the hooks still exist.
    ~HookedMidi() override { Destroy(); }

protected:
    void OnMidiInShortData(int length, const BYTE* bytes) override
    {
        if (m_hooks)
            m_hooks->Add("hook:" + Hex(bytes, length));
    }
    void OnMidiOutDone(int bufferLength) override
    {
        if (m_hooks)
            m_hooks->Add("done:" + std::to_string(bufferLength));
    }

private:
    MidiCallLog* m_hooks;
};

class MidiPortTest : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::testing::UseVirtualMidi();
        platform::testing::AddVirtualMidiIn({"Keyboard In"});
        platform::testing::AddVirtualMidiOut({"Synth Out"}, device.Receiver());
        ASSERT_TRUE(midi.Create("test"));
        midi.AddListener(&listener);
    }

    void TearDown() override
    {
        EXPECT_TRUE(midi.Destroy());
        platform::testing::UseVirtualMidi();
    }

    // Plays bytes into the IN port and waits until the log holds count calls.
    void Play(std::vector<BYTE> bytes, std::size_t count)
    {
        platform::testing::SendVirtualMidiIn(0, std::move(bytes));
        ASSERT_TRUE(log.WaitFor(count)) << "calls so far: " << log.Calls().size();
    }

    // Closing the IN port waits for the MIDI thread to hand back every buffer,
    // after everything posted to it before; then it opens again.
    void SyncWithMidiThread()
    {
        midi.MidiInClose();
        ASSERT_TRUE(midi.MidiInOpen(0));
    }

    MidiCallLog log;
    RecordingListener listener{log};
    DeviceLog device;
    HookedMidi midi;  // last, so that it goes first
};

}  // namespace midi_test
