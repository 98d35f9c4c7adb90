#pragma once
// What the MIDI tests share: a log of listener calls written as text, so
// that the calls of several listeners and their order compare at once, and
// the bytes a virtual device received.
#include "framework/services/HfcMidi.h"

#include <platform/kernel.h>
#include <platform/testing/midi.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace midi_test {

// Patience for work on other threads; a wait that runs out fails the test.
constexpr std::chrono::seconds kPatience{5};

inline std::string Hex(const BYTE* bytes, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", bytes[i]);
        text += byte;
    }
    return text;
}

struct LoggedCall
{
    std::string text;
    DWORD thread;
};

class MidiCallLog
{
public:
    void Add(std::string text)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back({std::move(text), GetCurrentThreadId()});
        m_changed.notify_all();
    }

    // Waits until at least count calls are in.
    bool WaitFor(std::size_t count) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] { return m_calls.size() >= count; });
    }

    // Waits until a call with this text is in.
    bool WaitForCall(const std::string& text) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] {
            for (const LoggedCall& call : m_calls) {
                if (call.text == text)
                    return true;
            }
            return false;
        });
    }

    std::vector<LoggedCall> Calls() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const LoggedCall& call : Calls())
            texts.push_back(call.text);
        return texts;
    }

    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.clear();
    }

    // Progress calls name their chunk by its offset from here once set.
    void SetChunkBase(const BYTE* base) { m_base = base; }
    const BYTE* ChunkBase() const { return m_base; }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<LoggedCall> m_calls;
    const BYTE* m_base = nullptr;
};

// Writes "<name><slot>:<what>" for every call, as in "A2:90 3C 40",
// "5:3@0" (count and chunk offset), "6:14" (a send's length) or "9:900"
// (bytes the port dropped).
class RecordingListener : public CHfcMidiListener
{
public:
    explicit RecordingListener(MidiCallLog& log, std::string name = "") : m_log(log), m_name(std::move(name)) {}

    void OnHfcMidiShortData(CHfcMidi*, int length, const BYTE* bytes) override { Bytes(1, bytes, length); }
    void OnHfcMidiMessage(CHfcMidi*, const CHfcMidiMessage& message) override { Message(2, message); }
    void OnHfcMidiSysExData(CHfcMidi*, int length, const BYTE* bytes) override { Bytes(3, bytes, length); }
    void OnHfcMidiSysExMessage(CHfcMidi*, const CHfcMidiMessage& message) override { Message(4, message); }
    void OnHfcMidiLongDataProgress(CHfcMidi*, int count, const BYTE* chunk) override
    {
        std::string text = std::to_string(count);
        if (m_log.ChunkBase() != nullptr)
            text += "@" + std::to_string(chunk - m_log.ChunkBase());
        Log(5, text);
    }
    void OnHfcMidiSendComplete(CHfcMidi*, int bufferLength) override { Log(6, std::to_string(bufferLength)); }
    void OnHfcMidiRawShortData(CHfcMidi*, int length, const BYTE* bytes) override { Bytes(8, bytes, length); }
    void OnHfcMidiInputDropped(CHfcMidi*, ULONGLONG bytes) override { Log(9, std::to_string(bytes)); }

protected:
    void Log(int slot, const std::string& what) { m_log.Add(m_name + std::to_string(slot) + ":" + what); }

private:
    void Bytes(int slot, const BYTE* bytes, int length) { Log(slot, Hex(bytes, length)); }
    void Message(int slot, const CHfcMidiMessage& message)
    {
        Log(slot, message.GetLength() ? Hex(message.GetByte(0), message.GetLength()) : "");
    }

    MidiCallLog& m_log;
    std::string m_name;
};

// Every short message and long buffer a virtual OUT port's device received.
class DeviceLog
{
public:
    platform::testing::VirtualMidiReceiver Receiver()
    {
        return [this](const BYTE* data, std::size_t size) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_sends.emplace_back(data, data + size);
        };
    }

    std::vector<std::vector<BYTE>> Sends() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_sends;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::vector<BYTE>> m_sends;
};

}  // namespace midi_test
