#pragma once
// Named numbers and texts under one key of the current user's registry.
// Nothing throws: reads fall back to their defaults and writes do nothing
// while no key is open.
#include <platform/registry.h>

#include <cstdint>

class CHfcPreferences
{
public:
    CHfcPreferences() = default;
    CHfcPreferences(const CHfcPreferences&) = delete;
    CHfcPreferences& operator=(const CHfcPreferences&) = delete;
    virtual ~CHfcPreferences();

    // Opens the sub-key of the current user's hive, creating it when needed.
    bool Open(const char* subKeyPath);
    void Close();

    // The default unless exactly 4 bytes are stored under the name.
    std::uint32_t ReadDword(const char* name, std::uint32_t defaultValue) const;
    // With no key open the buffer is left as it was. Otherwise it receives
    // the stored text, or the default when the value is missing or does not
    // fit; the result is always terminated within bufferSize.
    void ReadString(const char* name, char* buffer, int bufferSize, const char* defaultText) const;

    void WriteDword(const char* name, std::uint32_t value);
    // Stores the text with its terminating zero.
    void WriteString(const char* name, const char* text);

private:
    HKEY m_key = nullptr;
};
