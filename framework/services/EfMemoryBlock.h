#pragma once
// A memory block with an 8-character type tag, so a payload says what it
// holds. Tags compare as text over at most 8 characters.
#include "framework/services/HfcMemoryBlock.h"

class CEfMemoryBlock : public CHfcMemoryBlock
{
public:
    static constexpr int kTagLength = 8;

    CEfMemoryBlock() = default;
    explicit CEfMemoryBlock(const char* tag);
    CEfMemoryBlock(const char* tag, std::int32_t size, bool zeroFill);
    CEfMemoryBlock(const char* tag, const CHfcMemoryBlock& other);
    CEfMemoryBlock(const char* tag, const void* bytes, std::int32_t size);
    CEfMemoryBlock(const CEfMemoryBlock& other) = default;
    CEfMemoryBlock& operator=(const CEfMemoryBlock& other);
    ~CEfMemoryBlock() override = default;

    // Keeps at most 8 characters, padded with zeros; null clears the tag.
    virtual void SetTag(const char* tag);
    virtual const char* GetTag() const;
    // False for null.
    virtual bool HasTag(const char* tag) const;

    bool operator==(const CEfMemoryBlock& other) const;
    bool operator!=(const CEfMemoryBlock& other) const { return !(*this == other); }

private:
    char m_tag[kTagLength + 1] = {};  // the last byte stays zero
};
