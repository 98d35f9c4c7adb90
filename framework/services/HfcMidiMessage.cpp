#include "framework/services/HfcMidiMessage.h"

#include <algorithm>

namespace {

constexpr BYTE kSysExStart = 0xF0;
constexpr BYTE kMetaEvent = 0xFF;

}  // namespace

CHfcMidiMessage::CHfcMidiMessage(BYTE status)
{
    CopyFrom(&status, 1);
}

CHfcMidiMessage::CHfcMidiMessage(const BYTE* bytes, int length)
{
    CopyFrom(bytes, length);
}

CHfcMidiMessage::CHfcMidiMessage(const CHfcMidiMessage& other) : m_dwUser1(other.m_dwUser1), m_dwUser2(other.m_dwUser2)
{
    CopyFrom(other.m_pBytes, other.m_iLength);
}

CHfcMidiMessage& CHfcMidiMessage::operator=(const CHfcMidiMessage& other)
{
    if (this != &other) {
        delete[] m_pBytes;
        m_pBytes = nullptr;
        m_iLength = 0;
        CopyFrom(other.m_pBytes, other.m_iLength);
        m_dwUser1 = other.m_dwUser1;
        m_dwUser2 = other.m_dwUser2;
    }
    return *this;
}

CHfcMidiMessage::~CHfcMidiMessage()
{
    delete[] m_pBytes;
}

void CHfcMidiMessage::CopyFrom(const BYTE* bytes, int length)
{
    if (bytes == nullptr || length <= 0)
        return;
    m_pBytes = new BYTE[static_cast<std::size_t>(length)];
    std::copy(bytes, bytes + length, m_pBytes);
    m_iLength = length;
}

bool CHfcMidiMessage::IsSysEx() const
{
    return m_iLength > 0 && m_pBytes[0] == kSysExStart;
}

bool CHfcMidiMessage::IsMetaEvent() const
{
    return m_iLength >= 3 && m_pBytes[0] == kMetaEvent;
}

BYTE CHfcMidiMessage::ChannelByte(int i) const
{
    return m_iLength > i && !IsMetaEvent() ? m_pBytes[i] : 0;
}

BYTE CHfcMidiMessage::GetStatus() const
{
    return ChannelByte(0);
}

BYTE CHfcMidiMessage::GetData1() const
{
    return ChannelByte(1);
}

BYTE CHfcMidiMessage::GetData2() const
{
    return ChannelByte(2);
}

void CHfcMidiMessage::SetUser(DWORD_PTR user1, DWORD_PTR user2)
{
    m_dwUser1 = user1;
    m_dwUser2 = user2;
}

int GetShortMessageLength(BYTE status)
{
    if ((status >= 0xC0 && status <= 0xDF) || status == 0xF1 || status == 0xF3)
        return 2;
    if (status == 0xF6 || status >= 0xF8)
        return 1;
    return 3;
}
