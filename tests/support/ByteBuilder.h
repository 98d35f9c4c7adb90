#pragma once
// Builds expected file bytes field by field from a written-down layout, so
// fixtures never come from the writers they check. Numbers are little-endian.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class ByteBuilder
{
public:
    ByteBuilder& U8(std::uint8_t value);
    ByteBuilder& U16(std::uint16_t value);
    ByteBuilder& U32(std::uint32_t value);
    // The characters of text, without a terminator.
    ByteBuilder& Text(std::string_view text);
    // text cut or padded with pad to exactly width bytes.
    ByteBuilder& Field(std::string_view text, std::size_t width, std::uint8_t pad);
    ByteBuilder& Fill(std::uint8_t value, std::size_t count);
    ByteBuilder& Bytes(const std::vector<std::uint8_t>& bytes);

    const std::vector<std::uint8_t>& Get() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};
