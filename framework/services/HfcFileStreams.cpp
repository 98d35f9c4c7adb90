#include "framework/services/HfcFileStreams.h"

#include "framework/services/EfTrace.h"

#include <cstdint>

namespace {

std::int64_t PositionOf(const CHfcFile& file)
{
    std::int32_t position = 0;
    return file.IsOpen() && file.GetPosition(position) ? position : 0;
}

}  // namespace

CHfcFileInputStream::CHfcFileInputStream(CHfcFile& file) : m_file(file)
{
    std::int32_t saved = 0;
    if (!m_file.IsOpen() || !m_file.GetPosition(saved))
        return;
    if (!m_file.Seek(-1, CHfcFile::kFromEnd)) {
        EfTrace("CHfcFileInputStream - %s", "Failed to set current position.");
        return;
    }
    std::int32_t last = 0;
    if (m_file.GetPosition(last))
        m_size = last;
    m_file.Seek(saved, CHfcFile::kFromStart);
}

std::int64_t CHfcFileInputStream::GetPosition() const
{
    return PositionOf(m_file);
}

bool CHfcFileInputStream::SetPosition(std::int64_t position)
{
    // File positions are 32-bit: a larger one must not wrap to another.
    if (position < 0 || position > INT32_MAX)
        return false;
    return m_file.IsOpen() && m_file.Seek(static_cast<std::int32_t>(position), CHfcFile::kFromStart);
}

bool CHfcFileInputStream::IsEndOfStream() const
{
    std::int32_t position = 0;
    if (!m_file.IsOpen() || !m_file.GetPosition(position))
        return false;
    return position >= m_size;
}

int CHfcFileInputStream::Read(void* buffer, int count)
{
    return m_file.IsOpen() ? m_file.Read(buffer, count) : 0;
}

CHfcFileOutputStream::CHfcFileOutputStream(CHfcFile& file)
    : m_file(file), m_start(static_cast<std::int32_t>(PositionOf(file)))
{}

std::int64_t CHfcFileOutputStream::GetPosition() const
{
    return PositionOf(m_file);
}

bool CHfcFileOutputStream::SetPosition(std::int64_t position)
{
    if (!m_file.IsOpen() || !m_file.Seek(static_cast<std::int32_t>(position), CHfcFile::kFromStart))
        return false;
    m_relativePosition = static_cast<std::int32_t>(position) - m_start;
    return true;
}

bool CHfcFileOutputStream::Write(const void* bytes, int count)
{
    if (count < 0 || !m_file.IsOpen() || m_file.Write(bytes, count) < count)
        return false;
    m_relativePosition += count;
    if (m_relativePosition > m_written)
        m_written = m_relativePosition;
    return true;
}
