#pragma once
// One MIDI message as the port object hands it to its listeners: its own
// copy of the bytes and two words carried along for the receiver.
#include <platform/types.h>

class CHfcMidiMessage
{
public:
    CHfcMidiMessage() = default;
    explicit CHfcMidiMessage(BYTE status);
    CHfcMidiMessage(const BYTE* bytes, int length);
    CHfcMidiMessage(const CHfcMidiMessage& other);
    CHfcMidiMessage& operator=(const CHfcMidiMessage& other);
    virtual ~CHfcMidiMessage();

    int GetLength() const { return m_iLength; }
    // No bounds check: i must lie below GetLength().
    const BYTE* GetByte(int i) const { return m_pBytes + i; }

    bool IsSysEx() const;
    // A meta event (FF with at least 3 bytes) has no status or data.
    BYTE GetStatus() const;
    BYTE GetData1() const;
    BYTE GetData2() const;

    DWORD_PTR GetUser1() const { return m_dwUser1; }
    DWORD_PTR GetUser2() const { return m_dwUser2; }
    void SetUser(DWORD_PTR user1, DWORD_PTR user2);

private:
    bool IsMetaEvent() const;
    // Byte i, or 0 when the message is shorter or a meta event.
    BYTE ChannelByte(int i) const;
    void CopyFrom(const BYTE* bytes, int length);

    BYTE* m_pBytes = nullptr;  // null when empty
    int m_iLength = 0;
    DWORD_PTR m_dwUser1 = 0;
    DWORD_PTR m_dwUser2 = 0;
};

// Bytes in a short message by its first byte: 2 for C0-DF, F1 and F3; 1 for
// F6 and the real-time bytes F8-FF; 3 for every other value.
int GetShortMessageLength(BYTE status);
