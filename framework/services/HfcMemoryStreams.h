#pragma once
// Streams over memory: reading borrowed bytes, and writing into an owned
// buffer that grows in steps.
#include "framework/services/HfcMemoryBlock.h"
#include "framework/services/HfcStream.h"

class CHfcMemoryInputStream : public CHfcInputStream
{
public:
    // The bytes are borrowed and must outlive the stream.
    CHfcMemoryInputStream(const void* bytes, std::int64_t size);

    std::int64_t GetSize() const override { return m_size; }
    std::int64_t GetPosition() const override { return m_position; }
    // Clamped into [0, size]; always true.
    bool SetPosition(std::int64_t position) override;
    bool IsEndOfStream() const override { return m_position >= m_size; }
    int Read(void* buffer, int count) override;

private:
    const std::uint8_t* m_bytes;
    std::int64_t m_size;
    std::int64_t m_position = 0;
};

class CHfcMemoryOutputStream : public CHfcOutputStream
{
public:
    // The growth step is at least 16 bytes.
    CHfcMemoryOutputStream(std::int32_t initialCapacity, std::int64_t growthStep);

    std::int64_t GetSize() const override { return m_size; }
    std::int64_t GetPosition() const override { return m_position; }
    // False beyond the size written.
    bool SetPosition(std::int64_t position) override;
    bool Write(const void* bytes, int count) override;

    // The bytes written, followed by a zero byte.
    std::uint8_t* GetBuffer();
    std::int32_t GetDataSize() const { return static_cast<std::int32_t>(m_size); }
    // The bytes reserved so far.
    std::int32_t GetCapacity() const { return m_buffer.GetSize(); }

private:
    CHfcMemoryBlock m_buffer;
    std::int64_t m_size = 0;
    std::int64_t m_step;
    std::int64_t m_position = 0;
};
