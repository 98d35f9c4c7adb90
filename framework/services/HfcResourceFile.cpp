#include "framework/services/HfcResourceFile.h"

#include <platform/resources.h>

#include <algorithm>
#include <cstring>

bool CHfcResourceFile::OpenResource(const char* type, const char* name, int)
{
    Close();
    m_resource = nullptr;
    m_base = m_current = nullptr;
    m_size = 0;
    HRSRC found = FindResourceA(nullptr, name, type);
    if (found == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return false;
    m_resource = loaded;
    m_base = m_current = static_cast<const std::uint8_t*>(bytes);
    m_size = SizeofResource(nullptr, found);
    return true;
}

bool CHfcResourceFile::Close()
{
    return IsOpen();
}

int CHfcResourceFile::Read(void* buffer, int count)
{
    if (!IsOpen() || count <= 0)
        return 0;
    const std::uint32_t left = m_size - static_cast<std::uint32_t>(m_current - m_base);
    const std::uint32_t copied = std::min(static_cast<std::uint32_t>(count), left);
    if (copied > 0)
        std::memcpy(buffer, m_current, copied);
    m_current += copied;
    return static_cast<int>(copied);
}

int CHfcResourceFile::Write(const void*, int)
{
    return 0;
}

bool CHfcResourceFile::Seek(std::int32_t offset, int origin)
{
    const std::int64_t position = m_current - m_base;
    std::int64_t target = position;
    if (origin == kFromCurrent)
        target = position + offset;
    else if (origin == kFromEnd)
        target = static_cast<std::int64_t>(m_size) + offset;
    else if (origin == kFromStart)
        target = offset;
    if (target < 0 || target >= static_cast<std::int64_t>(m_size)) {
        m_current = m_base;
        return false;
    }
    m_current = m_base + target;
    return true;
}

bool CHfcResourceFile::GetPosition(std::int32_t& position) const
{
    position = static_cast<std::int32_t>(m_current - m_base);
    return true;
}

bool CHfcResourceFile::IsOpen() const
{
    return m_resource != nullptr;
}
