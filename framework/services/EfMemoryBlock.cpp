#include "framework/services/EfMemoryBlock.h"

#include <cstring>

CEfMemoryBlock::CEfMemoryBlock(const char* tag)
{
    SetTag(tag);
}

CEfMemoryBlock::CEfMemoryBlock(const char* tag, std::int32_t size, bool zeroFill) : CHfcMemoryBlock(size, zeroFill)
{
    SetTag(tag);
}

CEfMemoryBlock::CEfMemoryBlock(const char* tag, const CHfcMemoryBlock& other) : CHfcMemoryBlock(other)
{
    SetTag(tag);
}

CEfMemoryBlock::CEfMemoryBlock(const char* tag, const void* bytes, std::int32_t size) : CHfcMemoryBlock(bytes, size)
{
    SetTag(tag);
}

CEfMemoryBlock& CEfMemoryBlock::operator=(const CEfMemoryBlock& other)
{
    if (this != &other) {
        CHfcMemoryBlock::operator=(other);
        std::memcpy(m_tag, other.m_tag, sizeof m_tag);
    }
    return *this;
}

void CEfMemoryBlock::SetTag(const char* tag)
{
    std::memset(m_tag, 0, sizeof m_tag);
    if (tag != nullptr)
        std::strncpy(m_tag, tag, kTagLength);
}

const char* CEfMemoryBlock::GetTag() const
{
    return m_tag;
}

bool CEfMemoryBlock::HasTag(const char* tag) const
{
    return tag != nullptr && std::strncmp(m_tag, tag, kTagLength) == 0;
}

bool CEfMemoryBlock::operator==(const CEfMemoryBlock& other) const
{
    if (GetSize() != other.GetSize() || !HasTag(other.m_tag))
        return false;
    return GetSize() == 0 || std::memcmp(GetData(), other.GetData(), static_cast<std::size_t>(GetSize())) == 0;
}
