#include "support/ByteBuilder.h"

ByteBuilder& ByteBuilder::U8(std::uint8_t value)
{
    m_bytes.push_back(value);
    return *this;
}

ByteBuilder& ByteBuilder::U16(std::uint16_t value)
{
    U8(static_cast<std::uint8_t>(value & 0xFF));
    return U8(static_cast<std::uint8_t>(value >> 8));
}

ByteBuilder& ByteBuilder::U32(std::uint32_t value)
{
    U16(static_cast<std::uint16_t>(value & 0xFFFF));
    return U16(static_cast<std::uint16_t>(value >> 16));
}

ByteBuilder& ByteBuilder::Text(std::string_view text)
{
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}

ByteBuilder& ByteBuilder::Field(std::string_view text, std::size_t width, std::uint8_t pad)
{
    const std::string_view kept = text.substr(0, width);
    Text(kept);
    return Fill(pad, width - kept.size());
}

ByteBuilder& ByteBuilder::Fill(std::uint8_t value, std::size_t count)
{
    m_bytes.insert(m_bytes.end(), count, value);
    return *this;
}

ByteBuilder& ByteBuilder::Bytes(const std::vector<std::uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}
