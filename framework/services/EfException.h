#pragma once
// Base of the exception objects the data layer throws by value.
#include <cstdint>

class CEfException
{
public:
    explicit CEfException(std::int32_t code) : m_code(code) {}
    CEfException(const CEfException&) = default;
    CEfException& operator=(const CEfException&) = default;
    virtual ~CEfException() = default;

    virtual std::int32_t GetCode() const { return m_code; }
    // Subclasses name their failure; the base has no text.
    virtual const char* GetMessage() const { return nullptr; }
    // Traces code and message and returns the code.
    virtual std::int32_t Report() const;

private:
    std::int32_t m_code;
};
