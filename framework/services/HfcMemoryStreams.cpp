#include "framework/services/HfcMemoryStreams.h"

#include <algorithm>
#include <cstring>

CHfcMemoryInputStream::CHfcMemoryInputStream(const void* bytes, std::int64_t size)
    : m_bytes(static_cast<const std::uint8_t*>(bytes)), m_size(bytes != nullptr ? std::max<std::int64_t>(size, 0) : 0)
{}

bool CHfcMemoryInputStream::SetPosition(std::int64_t position)
{
    m_position = std::clamp<std::int64_t>(position, 0, m_size);
    return true;
}

int CHfcMemoryInputStream::Read(void* buffer, int count)
{
    if (count <= 0)
        return 0;
    const std::int64_t copied = std::min<std::int64_t>(count, m_size - m_position);
    if (copied <= 0)
        return 0;
    std::memcpy(buffer, m_bytes + m_position, static_cast<std::size_t>(copied));
    m_position += copied;
    return static_cast<int>(copied);
}

CHfcMemoryOutputStream::CHfcMemoryOutputStream(std::int32_t initialCapacity, std::int64_t growthStep)
    : m_buffer(initialCapacity, false), m_step(std::max<std::int64_t>(growthStep, 16))
{}

bool CHfcMemoryOutputStream::SetPosition(std::int64_t position)
{
    if (position < 0 || position > m_size)
        return false;
    m_position = position;
    return true;
}

bool CHfcMemoryOutputStream::Write(const void* bytes, int count)
{
    if (count < 0)
        return false;
    // Always room for the terminator GetBuffer adds.
    const std::int64_t needed = m_size + count + 1;
    m_buffer.Reserve(static_cast<std::int32_t>((needed / m_step + 1) * m_step), false);
    if (m_buffer.GetSize() < m_position + count + 1)
        return false;
    if (count > 0)
        std::memcpy(m_buffer.GetData() + m_position, bytes, static_cast<std::size_t>(count));
    m_position += count;
    m_size = std::max(m_size, m_position);
    return true;
}

std::uint8_t* CHfcMemoryOutputStream::GetBuffer()
{
    m_buffer.Reserve(static_cast<std::int32_t>(m_size + 1), false);
    m_buffer.GetData()[m_size] = 0;
    return m_buffer.GetData();
}
