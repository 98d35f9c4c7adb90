#include "framework/services/HfcMemoryBlock.h"

#include "framework/services/HfcHeap.h"

#include <cstring>

CHfcMemoryBlock::CHfcMemoryBlock(std::int32_t size, bool zeroFill)
{
    Resize(size, zeroFill);
}

CHfcMemoryBlock::CHfcMemoryBlock(const void* bytes, std::int32_t size)
{
    Assign(bytes, size);
}

CHfcMemoryBlock::CHfcMemoryBlock(const CHfcMemoryBlock& other)
{
    Assign(other.m_data, other.m_size);
}

CHfcMemoryBlock& CHfcMemoryBlock::operator=(const CHfcMemoryBlock& other)
{
    if (this != &other)
        Assign(other.m_data, other.m_size);
    return *this;
}

CHfcMemoryBlock::~CHfcMemoryBlock()
{
    HfcFree(m_data);
}

void CHfcMemoryBlock::Assign(const void* bytes, std::int32_t size)
{
    if (bytes == nullptr || size < 1) {
        Resize(0, false);
        return;
    }
    Resize(size, false);
    if (m_data != nullptr)
        std::memcpy(m_data, bytes, static_cast<std::size_t>(size));
}

void CHfcMemoryBlock::Resize(std::int32_t newSize, bool zeroFill)
{
    if (newSize == m_size)
        return;
    if (newSize <= 0) {
        HfcFree(m_data);
        m_data = nullptr;
        m_size = 0;
        return;
    }
    auto* grown = static_cast<std::uint8_t*>(HfcRealloc(m_data, static_cast<std::size_t>(newSize)));
    // Out of memory: the block stays as it was.
    if (grown == nullptr)
        return;
    if (zeroFill && newSize > m_size)
        std::memset(grown + m_size, 0, static_cast<std::size_t>(newSize - m_size));
    m_data = grown;
    m_size = newSize;
}

void CHfcMemoryBlock::Reserve(std::int32_t size, bool zeroFill)
{
    if (size > m_size)
        Resize(size, zeroFill);
}

void CHfcMemoryBlock::Append(const void* bytes, std::int32_t count)
{
    if (bytes == nullptr || count <= 0)
        return;
    const std::int32_t oldSize = m_size;
    Resize(oldSize + count, false);
    if (m_data != nullptr && m_size == oldSize + count)
        std::memcpy(m_data + oldSize, bytes, static_cast<std::size_t>(count));
}
