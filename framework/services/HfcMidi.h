#pragma once
// One MIDI input port and one MIDI output port with a thread of their own.
// The port layer posts every input event and every finished long send to
// that thread, which hands them to the registered listeners. Sending works
// from any thread, also from inside a notification.
// Its members are defined by concern in:
//   HfcMidi.cpp        the ports, the MIDI thread, the listeners and sending
//   HfcMidiParser.cpp  splitting received buffers into messages, System Exclusive included
#include "framework/services/HfcGuard.h"
#include "framework/services/HfcMidiListener.h"
#include "framework/services/HfcMidiMessage.h"
#include "framework/services/SysExBuffer.h"

#include <platform/midi.h>

#include <array>
#include <atomic>
#include <memory>
#include <vector>

struct MSG;

class CHfcMidi
{
public:
    static constexpr int kInputBufferSize = 2048;
    static constexpr int kInputBufferCount = 128;

    CHfcMidi();
    CHfcMidi(const CHfcMidi&) = delete;
    CHfcMidi& operator=(const CHfcMidi&) = delete;
    // Closes both ports and ends the thread.
    virtual ~CHfcMidi();

    // Starts the MIDI thread at time-critical priority; the name is not used.
    virtual bool Create(const char* name);
    // Closes both ports, then ends the thread and waits for it; true also
    // when there was none. Refused on the MIDI thread itself.
    virtual bool Destroy();

    // Device indexes are those of the port layer's enumeration. Opening
    // needs the thread; closing returns once the thread has finished with
    // every input buffer and every long send. Neither close may be called
    // from a notification.
    bool MidiInOpen(int index);
    void MidiInClose();
    bool MidiOutOpen(int index);
    void MidiOutClose();
    bool IsMidiInOpen() const;
    bool IsMidiOutOpen() const;

    // Copies at most size - 1 characters of the port's name and terminates them.
    static bool GetMidiInDeviceName(int index, char* buffer, int size);
    static bool GetMidiOutDeviceName(int index, char* buffer, int size);

    // Listeners are not owned. A change made during a notification takes
    // effect at once: a listener taken off the list is not called again.
    void AddListener(CHfcMidiListener* listener);
    // Null leaves the list empty.
    void SetListener(CHfcMidiListener* listener);

    // Sends the bytes as one long buffer; several may be in flight. False at
    // once, allocating nothing, while output is closed.
    bool Out(int length, const BYTE* data);
    // Status from the high nibble of status, channel from the low nibble of channel.
    bool SendChannelMessage(int channel, int status, int data1, int data2);
    // F0 messages go through Out, others as a short message.
    void SendMidiMessage(const CHfcMidiMessage& message);

protected:
    // Called on the MIDI thread before the listeners.
    virtual void OnMidiInShortData(int /*length*/, const BYTE* /*bytes*/) {}
    virtual void OnMidiOutDone(int /*bufferLength*/) {}

    // Turn one received buffer into messages for the listeners, collecting
    // System Exclusive messages across buffers. MIDI thread only.
    void ParseInput(int count, const BYTE* bytes);
    void ParseSysEx(int count, const BYTE* bytes);

private:
    // Buffers or sends handed to the port layer that the MIDI thread has not
    // finished with yet. Changed under the direction's lock, waited for
    // outside it.
    class Outstanding
    {
    public:
        Outstanding();
        Outstanding(const Outstanding&) = delete;
        Outstanding& operator=(const Outstanding&) = delete;
        ~Outstanding();
        void Add();
        void Remove();
        void WaitUntilNone() const;

    private:
        int m_iCount = 0;
        HANDLE m_hNone;
    };

    struct InputSlot
    {
        MIDIHDR header{};
        std::unique_ptr<char[]> buffer;
        bool prepared = false;
    };

    static DWORD WINAPI ThreadProc(LPVOID parameter);
    void HandleThreadMessage(const MSG& msg);
    bool IsMidiThread() const;

    void QueueInputBuffers();
    InputSlot* SlotOf(const MIDIHDR* header);
    void RequeueInputBuffer(InputSlot& slot);
    // A refusal is traced behind method and leaves the port open, so that a
    // later close can finish; stop is false for a port that never started.
    void CloseInput(const char* method, bool stop);
    void CancelClosingInput(const char* method, const char* failure);
    void ReleaseInputBuffers();
    bool IsCurrentInput(WPARAM port) const;
    bool IsCurrentOutput(WPARAM port) const;
    // Under the output lock: output is open and not closing.
    bool IsOutputAccepting() const;
    bool SendShort(DWORD packed, const char* method);

    void OnMidiInData(DWORD packed);
    void OnMidiInLongData(MIDIHDR* header);
    void Win32SendComplete(MIDIHDR* header);

    void DeliverShortMessage(const BYTE* bytes, int length);
    void DeliverSysEx(int consumed, const BYTE* start);
    void ReportProgress(int count, const BYTE* start);

    // Each listener in list order, under the listener lock, gets the calls in
    // turn; iterating a copy lets a call change the list.
    template <class... Calls>
    void NotifyListeners(const Calls&... calls)
    {
        CHfcGuardLock lock(m_listenerGuard);
        const std::vector<CHfcMidiListener*> listeners = m_listeners;
        for (CHfcMidiListener* listener : listeners)
            (CallIfListening(listener, calls), ...);
    }
    template <class Call>
    void CallIfListening(CHfcMidiListener* listener, const Call& call)
    {
        if (IsListening(listener))
            call(*listener);
    }
    bool IsListening(const CHfcMidiListener* listener) const;

    CHfcGuard m_listenerGuard;
    std::vector<CHfcMidiListener*> m_listeners;  // under m_listenerGuard

    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
    std::atomic<bool> m_bRunning{false};

    // Input: the lock orders buffer recycling with closing.
    CHfcGuard m_inGuard;
    HMIDIIN m_hMidiIn = nullptr;
    bool m_bInClosing = false;  // returned buffers are not re-queued
    std::array<InputSlot, kInputBufferCount> m_inSlots;
    Outstanding m_inBuffersOut;
    CSysExBuffer m_sysEx;  // MIDI thread only, emptied while input is closed

    // Output: its own lock, so that a short send waiting for the wire never
    // holds up the recycling of input buffers.
    CHfcGuard m_outGuard;
    HMIDIOUT m_hMidiOut = nullptr;
    bool m_bOutClosing = false;  // no new sends while pending ones finish
    Outstanding m_sendsOut;
};
