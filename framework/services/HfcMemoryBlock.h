#pragma once
// A growable heap byte buffer. An empty block holds a null pointer and size 0.
#include <cstdint>

class CHfcMemoryBlock
{
public:
    CHfcMemoryBlock() = default;
    CHfcMemoryBlock(std::int32_t size, bool zeroFill);
    CHfcMemoryBlock(const void* bytes, std::int32_t size);
    CHfcMemoryBlock(const CHfcMemoryBlock& other);
    CHfcMemoryBlock& operator=(const CHfcMemoryBlock& other);
    virtual ~CHfcMemoryBlock();

    // Keeps the bytes up to the smaller size; with zeroFill a grown tail is
    // zeroed. A size of 0 or less empties the block.
    void Resize(std::int32_t newSize, bool zeroFill);
    // Grows to size when smaller; never shrinks.
    void Reserve(std::int32_t size, bool zeroFill);
    void Append(const void* bytes, std::int32_t count);

    std::uint8_t* GetData() const { return m_data; }
    std::int32_t GetSize() const { return m_size; }

protected:
    // Replaces the contents by a copy of size bytes (empty for null or < 1).
    void Assign(const void* bytes, std::int32_t size);

private:
    std::uint8_t* m_data = nullptr;
    std::int32_t m_size = 0;
};
