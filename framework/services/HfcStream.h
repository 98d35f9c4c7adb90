#pragma once
// Typed binary streams: integers little-endian (big-endian in the "BE"
// forms), booleans as one byte 0/255, IEEE floats little-endian. The typed
// operations are written once over Read/Write and the position calls, so
// one reader serves files, resources and memory alike.
#include <cstdint>

class CHfcStream
{
public:
    CHfcStream() = default;
    CHfcStream(const CHfcStream&) = delete;
    CHfcStream& operator=(const CHfcStream&) = delete;
    virtual ~CHfcStream() = default;

    virtual std::int64_t GetSize() const = 0;
    virtual std::int64_t GetPosition() const = 0;
    virtual bool SetPosition(std::int64_t position) = 0;
};

class CHfcInputStream : public CHfcStream
{
public:
    virtual bool IsEndOfStream() const = 0;
    // The number of bytes read; fewer than count at the end.
    virtual int Read(void* buffer, int count) = 0;

    // A short read gives 0.
    virtual std::uint8_t ReadUInt8();
    // True for any nonzero byte.
    virtual bool ReadBool();
    virtual std::uint16_t ReadUInt16();
    virtual std::uint16_t ReadUInt16BE();
    virtual std::uint32_t ReadUInt32();
    virtual std::uint32_t ReadUInt32BE();
    virtual float ReadFloat();
    virtual double ReadDouble();
    // Moves forward, stopping at the stream's size.
    virtual bool Skip(std::int64_t count);
};

class CHfcOutputStream : public CHfcStream
{
public:
    // True when every byte was written.
    virtual bool Write(const void* bytes, int count) = 0;

    virtual bool WriteUInt8(std::uint8_t value);
    // Writes 255 for true, 0 for false.
    virtual bool WriteBool(bool value);
    virtual bool WriteUInt16(std::uint16_t value);
    virtual bool WriteUInt16BE(std::uint16_t value);
    virtual bool WriteUInt32(std::uint32_t value);
    virtual bool WriteUInt32BE(std::uint32_t value);
    virtual bool WriteFloat(float value);
    virtual bool WriteDouble(double value);
    virtual void WriteRepeatedByte(std::uint8_t value, int count);
};

// Formats at most 1,023 characters and writes them, without a terminator, in
// one Write; returns its result.
bool PrintfToStream(CHfcOutputStream& stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
