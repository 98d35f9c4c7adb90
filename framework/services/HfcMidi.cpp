#include "framework/services/HfcMidi.h"

#include "framework/services/EfTrace.h"

#include <platform/kernel.h>
#include <platform/messaging.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kQuitMessage = 0x480;
constexpr const char* kNotOnMidiThread = "Not allowed on the MIDI thread.";

// One long send: the header and its own copy of the bytes, released when the
// port layer hands the header back.
struct LongSend
{
    MIDIHDR header{};
    std::vector<char> bytes;
};

template <class Caps, class GetCaps>
bool CopyDeviceName(int index, char* buffer, int size, GetCaps getCaps, const char* method, const char* failure)
{
    try {
        if (buffer == nullptr || size < 1)
            throw "Invalid buffer.";
        Caps caps{};
        if (index < 0 || getCaps(static_cast<UINT_PTR>(index), &caps, sizeof caps) != MMSYSERR_NOERROR)
            throw failure;
        const std::size_t length = strnlen(caps.szPname, std::min<std::size_t>(MAXPNAMELEN, size - 1));
        std::memcpy(buffer, caps.szPname, length);
        buffer[length] = '\0';
        return true;
    } catch (const char* text) {
        EfTrace("%s - %s", method, text);
        return false;
    }
}

}  // namespace

CHfcMidi::Outstanding::Outstanding() : m_hNone(CreateEventA(nullptr, TRUE, TRUE, nullptr))
{}

CHfcMidi::Outstanding::~Outstanding()
{
    CloseHandle(m_hNone);
}

void CHfcMidi::Outstanding::Add()
{
    if (m_iCount++ == 0)
        ResetEvent(m_hNone);
}

void CHfcMidi::Outstanding::Remove()
{
    if (--m_iCount == 0)
        SetEvent(m_hNone);
}

void CHfcMidi::Outstanding::WaitUntilNone() const
{
    WaitForSingleObject(m_hNone, INFINITE);
}

CHfcMidi::CHfcMidi() = default;

CHfcMidi::~CHfcMidi()
{
    Destroy();
}

bool CHfcMidi::Create(const char* /*name*/)
{
    if (m_hThread != nullptr)
        return true;
    m_bRunning = true;
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &m_dwThreadId);
    if (m_hThread == nullptr) {
        m_bRunning = false;
        m_dwThreadId = 0;
        EfTrace("CHfcMidi::Create() - %s", "Faild to create thread.");
        return false;
    }
    SetThreadPriority(m_hThread, THREAD_PRIORITY_TIME_CRITICAL);
    return true;
}

bool CHfcMidi::Destroy()
{
    if (m_hThread == nullptr)
        return true;
    if (IsMidiThread()) {
        EfTrace("CHfcMidi::Destroy() - %s", kNotOnMidiThread);
        return false;
    }
    // Ports left open would post to a thread that is gone.
    MidiOutClose();
    MidiInClose();
    m_bRunning = false;
    // The thread's queue exists from its creation, so this reaches a thread
    // that has not yet asked for its first message.
    PostThreadMessageA(m_dwThreadId, kQuitMessage, 0, 0);
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_dwThreadId = 0;
    return true;
}

DWORD WINAPI CHfcMidi::ThreadProc(LPVOID parameter)
{
    CHfcMidi& midi = *static_cast<CHfcMidi*>(parameter);
    MSG msg;
    while (midi.m_bRunning) {
        if (GetMessageA(&msg, nullptr, 0, 0) == -1)
            break;
        midi.HandleThreadMessage(msg);
    }
    return 0;
}

void CHfcMidi::HandleThreadMessage(const MSG& msg)
{
    switch (msg.message) {
    case MM_MIM_DATA:
        if (IsCurrentInput(msg.wParam))
            OnMidiInData(static_cast<DWORD>(msg.lParam));
        break;
    case MM_MIM_LONGDATA: OnMidiInLongData(reinterpret_cast<MIDIHDR*>(msg.lParam)); break;
    case MM_MOM_DONE:
        if (IsCurrentOutput(msg.wParam))
            Win32SendComplete(reinterpret_cast<MIDIHDR*>(msg.lParam));
        break;
    case kQuitMessage: m_bRunning = false; break;
    default: break;
    }
}

bool CHfcMidi::IsMidiThread() const
{
    return m_hThread != nullptr && GetCurrentThreadId() == m_dwThreadId;
}

bool CHfcMidi::MidiInOpen(int index)
{
    const char* failure = nullptr;
    {
        CHfcGuardLock lock(m_inGuard);
        try {
            if (m_hMidiIn != nullptr)
                throw "MIDI IN already opened.";
            if (index < 0 || static_cast<UINT>(index) >= midiInGetNumDevs())
                throw "Not found MIDI IN device.";
            if (m_hThread == nullptr)
                throw "MIDI thread not running.";
            if (IsMidiThread())
                throw kNotOnMidiThread;
            if (midiInOpen(&m_hMidiIn, static_cast<UINT>(index), m_dwThreadId, reinterpret_cast<DWORD_PTR>(this),
                           CALLBACK_THREAD) != MMSYSERR_NOERROR) {
                m_hMidiIn = nullptr;
                throw "Faild to midiInOpen()";
            }
        } catch (const char* text) {
            EfTrace("CHfcMidi::MidiInOpen() - %s", text);
            return false;
        }
        m_bInClosing = false;
        m_sysEx.Empty();
        try {
            QueueInputBuffers();
            if (midiInStart(m_hMidiIn) != MMSYSERR_NOERROR)
                throw "Faild to midiInStart()";
        } catch (const char* text) {
            failure = text;
        }
    }
    if (failure == nullptr)
        return true;
    EfTrace("CHfcMidi::MidiInOpen() - %s", failure);
    // Outside the lock: closing waits for the MIDI thread, which takes it.
    // The port never started, so a stop it might refuse cannot keep it open.
    CloseInput("CHfcMidi::MidiInOpen()", false);
    return false;
}

void CHfcMidi::QueueInputBuffers()
{
    for (std::size_t i = 0; i < m_inSlots.size(); ++i) {
        InputSlot& slot = m_inSlots[i];
        slot.buffer = std::make_unique<char[]>(kInputBufferSize);
        slot.header = MIDIHDR{};
        slot.header.lpData = slot.buffer.get();
        slot.header.dwBufferLength = kInputBufferSize;
        slot.header.dwUser = i;
        if (midiInPrepareHeader(m_hMidiIn, &slot.header, sizeof slot.header) != MMSYSERR_NOERROR)
            throw "Faild to midiInPrepareHeader()";
        slot.prepared = true;
        if (midiInAddBuffer(m_hMidiIn, &slot.header, sizeof slot.header) != MMSYSERR_NOERROR)
            throw "Faild to midiInAddBuffer()";
        m_inBuffersOut.Add();
    }
}

CHfcMidi::InputSlot* CHfcMidi::SlotOf(const MIDIHDR* header)
{
    if (header == nullptr || header->dwUser >= m_inSlots.size())
        return nullptr;
    InputSlot& slot = m_inSlots[header->dwUser];
    return &slot.header == header ? &slot : nullptr;
}

void CHfcMidi::MidiInClose()
{
    if (IsMidiThread()) {
        EfTrace("CHfcMidi::MidiInClose() - %s", kNotOnMidiThread);
        return;
    }
    CloseInput("CHfcMidi::MidiInClose()", true);
}

void CHfcMidi::CloseInput(const char* method, bool stop)
{
    HMIDIIN port = nullptr;
    {
        CHfcGuardLock lock(m_inGuard);
        if (m_hMidiIn == nullptr || m_bInClosing)
            return;
        m_bInClosing = true;
        port = m_hMidiIn;
    }
    try {
        if (stop && midiInStop(port) != MMSYSERR_NOERROR)
            throw "Faild to midiInStop()";
        if (midiInReset(port) != MMSYSERR_NOERROR)
            throw "Faild to midiInReset()";
    } catch (const char* text) {
        CancelClosingInput(method, text);
        return;
    }
    // Stop and reset have handed every buffer back; the MIDI thread may still
    // be parsing one of them.
    m_inBuffersOut.WaitUntilNone();
    {
        CHfcGuardLock lock(m_inGuard);
        for (InputSlot& slot : m_inSlots) {
            if (!slot.prepared)
                continue;
            if (midiInUnprepareHeader(port, &slot.header, sizeof slot.header) == MMSYSERR_NOERROR)
                slot.prepared = false;
            else
                EfTrace("[midiInClose] Failed to midiInUnprepareHeader");
        }
    }
    MMRESULT closed;
    while ((closed = midiInClose(port)) == MIDIERR_STILLPLAYING) {
        EfTrace("midiInClose: MIDIERR_STILLPLAYING");
        Sleep(10);
    }
    // A handle the port layer still holds open must not be forgotten: a
    // later close can finish, as with output.
    if (closed != MMSYSERR_NOERROR) {
        CancelClosingInput(method, "Faild to midiInClose()");
        return;
    }
    ReleaseInputBuffers();
}

void CHfcMidi::CancelClosingInput(const char* method, const char* failure)
{
    CHfcGuardLock lock(m_inGuard);
    m_bInClosing = false;
    EfTrace("%s - %s", method, failure);
}

void CHfcMidi::ReleaseInputBuffers()
{
    CHfcGuardLock lock(m_inGuard);
    for (InputSlot& slot : m_inSlots) {
        slot.header = MIDIHDR{};
        slot.buffer.reset();
        slot.prepared = false;
    }
    m_hMidiIn = nullptr;
    m_bInClosing = false;
}

bool CHfcMidi::MidiOutOpen(int index)
{
    CHfcGuardLock lock(m_outGuard);
    try {
        if (m_hMidiOut != nullptr)
            throw "MIDI OUT already opened.";
        if (index < 0 || static_cast<UINT>(index) >= midiOutGetNumDevs())
            throw "Not found MIDI OUT device.";
        if (m_hThread == nullptr)
            throw "MIDI thread not running.";
        if (midiOutOpen(&m_hMidiOut, static_cast<UINT>(index), m_dwThreadId, reinterpret_cast<DWORD_PTR>(this),
                        CALLBACK_THREAD) != MMSYSERR_NOERROR) {
            m_hMidiOut = nullptr;
            throw "Faild to midiOutOpen()";
        }
        return true;
    } catch (const char* text) {
        EfTrace("CHfcMidi::MidiOutOpen() - %s", text);
        return false;
    }
}

void CHfcMidi::MidiOutClose()
{
    if (IsMidiThread()) {
        EfTrace("CHfcMidi::MidiOutClose() - %s", kNotOnMidiThread);
        return;
    }
    {
        CHfcGuardLock lock(m_outGuard);
        if (m_hMidiOut == nullptr || m_bOutClosing)
            return;
        m_bOutClosing = true;
    }
    m_sendsOut.WaitUntilNone();
    CHfcGuardLock lock(m_outGuard);
    if (midiOutClose(m_hMidiOut) == MMSYSERR_NOERROR)
        m_hMidiOut = nullptr;
    else
        EfTrace("CHfcMidi::MidiOutClose() - %s", "Faild to midiOutClose()");
    m_bOutClosing = false;
}

bool CHfcMidi::IsMidiInOpen() const
{
    CHfcGuardLock lock(m_inGuard);
    return m_hMidiIn != nullptr;
}

bool CHfcMidi::IsMidiOutOpen() const
{
    CHfcGuardLock lock(m_outGuard);
    return m_hMidiOut != nullptr;
}

bool CHfcMidi::IsCurrentInput(WPARAM port) const
{
    CHfcGuardLock lock(m_inGuard);
    return m_hMidiIn != nullptr && reinterpret_cast<WPARAM>(m_hMidiIn) == port;
}

bool CHfcMidi::IsCurrentOutput(WPARAM port) const
{
    CHfcGuardLock lock(m_outGuard);
    return m_hMidiOut != nullptr && reinterpret_cast<WPARAM>(m_hMidiOut) == port;
}

bool CHfcMidi::IsOutputAccepting() const
{
    return m_hMidiOut != nullptr && !m_bOutClosing;
}

bool CHfcMidi::GetMidiInDeviceName(int index, char* buffer, int size)
{
    return CopyDeviceName<MIDIINCAPSA>(index, buffer, size, midiInGetDevCapsA, "CHfcMidi::GetMidiInDeviceName()",
                                       "Faild to midiInGetDevCaps()");
}

bool CHfcMidi::GetMidiOutDeviceName(int index, char* buffer, int size)
{
    return CopyDeviceName<MIDIOUTCAPSA>(index, buffer, size, midiOutGetDevCapsA, "CHfcMidi::GetMidiOutDeviceName()",
                                        "Faild to midiOutGetDevCaps()");
}

void CHfcMidi::AddListener(CHfcMidiListener* listener)
{
    CHfcGuardLock lock(m_listenerGuard);
    m_listeners.push_back(listener);
}

void CHfcMidi::SetListener(CHfcMidiListener* listener)
{
    CHfcGuardLock lock(m_listenerGuard);
    m_listeners.clear();
    if (listener != nullptr)
        m_listeners.push_back(listener);
}

bool CHfcMidi::IsListening(const CHfcMidiListener* listener) const
{
    return std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end();
}

bool CHfcMidi::Out(int length, const BYTE* data)
{
    CHfcGuardLock lock(m_outGuard);
    if (!IsOutputAccepting())
        return false;
    try {
        if (length <= 0 || data == nullptr)
            throw "Invalid data.";
        auto send = std::make_unique<LongSend>();
        send->bytes.assign(data, data + length);
        send->header.lpData = send->bytes.data();
        send->header.dwBufferLength = static_cast<DWORD>(length);
        send->header.dwUser = reinterpret_cast<DWORD_PTR>(send.get());
        if (midiOutPrepareHeader(m_hMidiOut, &send->header, sizeof send->header) != MMSYSERR_NOERROR)
            throw "Faild to midiOutPrepare Header()";
        if (midiOutLongMsg(m_hMidiOut, &send->header, sizeof send->header) != MMSYSERR_NOERROR) {
            midiOutUnprepareHeader(m_hMidiOut, &send->header, sizeof send->header);
            throw "Faild to midiOutLongMsg()";
        }
        m_sendsOut.Add();
        send.release();  // until the MIDI thread gets the header back
        return true;
    } catch (const char* text) {
        EfTrace("CHfcMidi::Out() - %s", text);
        return false;
    }
}

void CHfcMidi::Win32SendComplete(MIDIHDR* header)
{
    const int length = static_cast<int>(header->dwBufferLength);
    OnMidiOutDone(length);
    NotifyListeners([&](CHfcMidiListener& listener) { listener.OnHfcMidiSendComplete(this, length); });
    CHfcGuardLock lock(m_outGuard);
    if (midiOutUnprepareHeader(m_hMidiOut, header, sizeof *header) == MMSYSERR_NOERROR)
        delete reinterpret_cast<LongSend*>(header->dwUser);
    else
        EfTrace("CHfcMidi::Win32SendComplete() - %s", "Faild to midiOutUnprepareHeader()");
    m_sendsOut.Remove();
}

bool CHfcMidi::SendShort(DWORD packed, const char* method)
{
    CHfcGuardLock lock(m_outGuard);
    if (!IsOutputAccepting())
        return false;
    if (midiOutShortMsg(m_hMidiOut, packed) != MMSYSERR_NOERROR) {
        EfTrace("%s - %s", method, "Faild to send MIDI Short Message.");
        return false;
    }
    return true;
}

bool CHfcMidi::SendChannelMessage(int channel, int status, int data1, int data2)
{
    const DWORD first = static_cast<DWORD>((status & 0xF0) | (channel & 0x0F));
    return SendShort(first | static_cast<DWORD>(data1 & 0xFF) << 8 | static_cast<DWORD>(data2 & 0xFF) << 16,
                     "CHfcMidi::SendChannelMessage()");
}

void CHfcMidi::SendMidiMessage(const CHfcMidiMessage& message)
{
    if (message.IsSysEx()) {
        Out(message.GetLength(), message.GetByte(0));
        return;
    }
    SendShort(message.GetStatus() | static_cast<DWORD>(message.GetData1()) << 8 |
                  static_cast<DWORD>(message.GetData2()) << 16,
              "CHfcMidi::SendMidiMessage()");
}

void CHfcMidi::OnMidiInData(DWORD packed)
{
    const BYTE bytes[3] = {static_cast<BYTE>(packed), static_cast<BYTE>(packed >> 8), static_cast<BYTE>(packed >> 16)};
    const int length = GetShortMessageLength(bytes[0]);
    OnMidiInShortData(length, bytes);
    const CHfcMidiMessage message(bytes, length);
    NotifyListeners([&](CHfcMidiListener& listener) { listener.OnHfcMidiMessage(this, message); },
                    [&](CHfcMidiListener& listener) { listener.OnHfcMidiRawShortData(this, length, bytes); },
                    [&](CHfcMidiListener& listener) { listener.OnHfcMidiShortData(this, length, bytes); });
}

void CHfcMidi::OnMidiInLongData(MIDIHDR* header)
{
    InputSlot* slot = SlotOf(header);
    if (slot == nullptr)
        return;
    const DWORD recorded = std::min(header->dwBytesRecorded, header->dwBufferLength);
    if (recorded > 0)
        ParseInput(static_cast<int>(recorded), reinterpret_cast<const BYTE*>(header->lpData));
    CHfcGuardLock lock(m_inGuard);
    // A buffer returned empty comes from a reset: input is ending.
    if (recorded == 0 || m_bInClosing || m_hMidiIn == nullptr) {
        m_inBuffersOut.Remove();
        return;
    }
    try {
        RequeueInputBuffer(*slot);
    } catch (const char* text) {
        EfTrace("CHfcMidi::OnMidiInLongData() - %s", text);
        m_inBuffersOut.Remove();
    }
}

void CHfcMidi::RequeueInputBuffer(InputSlot& slot)
{
    if (midiInUnprepareHeader(m_hMidiIn, &slot.header, sizeof slot.header) != MMSYSERR_NOERROR)
        throw "Faild to midiInUnprepareHeader()";
    slot.prepared = false;
    if (midiInPrepareHeader(m_hMidiIn, &slot.header, sizeof slot.header) != MMSYSERR_NOERROR)
        throw "Faild to midiInPrepareHeader()";
    slot.prepared = true;
    if (midiInAddBuffer(m_hMidiIn, &slot.header, sizeof slot.header) != MMSYSERR_NOERROR)
        throw "Faild to midiInAddBuffer()";
}
