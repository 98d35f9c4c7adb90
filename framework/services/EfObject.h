#pragma once
// Root of the support classes: an object that carries a short name.
#include <cstdint>

class CEfObject
{
public:
    static constexpr int kNameCapacity = 32;  // 31 characters and the terminator

    CEfObject();
    // A copy is a new object: it starts unnamed, and assignment keeps the name.
    CEfObject(const CEfObject&);
    // Nothing is copied, so assigning an object to itself is harmless.
    CEfObject& operator=(const CEfObject&) { return *this; }  // NOLINT(bugprone-unhandled-self-assignment)
    virtual ~CEfObject() = default;

    // Formats the name; anything past 31 characters is cut.
    void SetName(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const char* GetName() const { return m_name; }

private:
    std::int32_t m_valid = 1;  // set by every constructor, never cleared
    char m_name[kNameCapacity] = {};
};
