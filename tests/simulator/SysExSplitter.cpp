#include "SysExSplitter.h"

namespace {

constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;

}  // namespace

void SysExSplitter::Feed(const std::uint8_t* data, std::size_t size, const Message& message)
{
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        if (byte >= kFirstRealTime)
            continue;
        if (byte < 0x80) {
            if (m_inSysEx)
                m_open.push_back(byte);
            continue;
        }
        const bool finished = m_inSysEx && byte == kSysExEnd;
        if (finished) {
            m_open.push_back(byte);
            message(m_open);
        }
        m_open.clear();
        m_inSysEx = byte == kSysExStart;
        if (m_inSysEx)
            m_open.push_back(byte);
    }
}
