#include "framework/services/HfcStream.h"

#include "framework/services/ByteOrder.h"

#include <algorithm>
#include <bit>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Stored values are little-endian; so is this system, so the bytes copy
// straight in and out.
static_assert(std::endian::native == std::endian::little);

template <typename T>
T ReadValue(CHfcInputStream& stream)
{
    unsigned char bytes[sizeof(T)];
    if (stream.Read(bytes, sizeof bytes) != static_cast<int>(sizeof bytes))
        return T{};
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

template <typename T>
bool WriteValue(CHfcOutputStream& stream, T value)
{
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof bytes);
    return stream.Write(bytes, sizeof bytes);
}

}  // namespace

std::uint8_t CHfcInputStream::ReadUInt8()
{
    return ReadValue<std::uint8_t>(*this);
}

bool CHfcInputStream::ReadBool()
{
    return ReadUInt8() != 0;
}

std::uint16_t CHfcInputStream::ReadUInt16()
{
    return ReadValue<std::uint16_t>(*this);
}

std::uint16_t CHfcInputStream::ReadUInt16BE()
{
    return SwapBytes16(ReadUInt16());
}

std::uint32_t CHfcInputStream::ReadUInt32()
{
    return ReadValue<std::uint32_t>(*this);
}

std::uint32_t CHfcInputStream::ReadUInt32BE()
{
    return SwapBytes32(ReadUInt32());
}

float CHfcInputStream::ReadFloat()
{
    return ReadValue<float>(*this);
}

double CHfcInputStream::ReadDouble()
{
    return ReadValue<double>(*this);
}

bool CHfcInputStream::Skip(std::int64_t count)
{
    return SetPosition(std::min(GetPosition() + count, GetSize()));
}

bool CHfcOutputStream::WriteUInt8(std::uint8_t value)
{
    return WriteValue(*this, value);
}

bool CHfcOutputStream::WriteBool(bool value)
{
    return WriteUInt8(value ? 0xFF : 0x00);
}

bool CHfcOutputStream::WriteUInt16(std::uint16_t value)
{
    return WriteValue(*this, value);
}

bool CHfcOutputStream::WriteUInt16BE(std::uint16_t value)
{
    return WriteUInt16(SwapBytes16(value));
}

bool CHfcOutputStream::WriteUInt32(std::uint32_t value)
{
    return WriteValue(*this, value);
}

bool CHfcOutputStream::WriteUInt32BE(std::uint32_t value)
{
    return WriteUInt32(SwapBytes32(value));
}

bool CHfcOutputStream::WriteFloat(float value)
{
    return WriteValue(*this, value);
}

bool CHfcOutputStream::WriteDouble(double value)
{
    return WriteValue(*this, value);
}

void CHfcOutputStream::WriteRepeatedByte(std::uint8_t value, int count)
{
    for (int i = 0; i < count; ++i)
        WriteUInt8(value);
}

bool PrintfToStream(CHfcOutputStream& stream, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    const int formatted = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (formatted < 0)
        return false;
    return stream.Write(text, std::min(formatted, static_cast<int>(sizeof text) - 1));
}
