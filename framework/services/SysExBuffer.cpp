#include "framework/services/SysExBuffer.h"

namespace {

constexpr BYTE kSysExStart = 0xF0;
constexpr BYTE kSysExEnd = 0xF7;

}  // namespace

void CSysExBuffer::Start()
{
    m_bytes.assign(1, kSysExStart);
    m_bCollecting = true;
}

bool CSysExBuffer::AppendData(BYTE data)
{
    if (m_bytes.size() + 1 >= kMaxBytes)
        return false;
    m_bytes.push_back(data);
    return true;
}

void CSysExBuffer::Finish()
{
    m_bytes.push_back(kSysExEnd);
    m_bCollecting = false;
}

void CSysExBuffer::Empty()
{
    m_bytes.clear();
    m_bCollecting = false;
}
