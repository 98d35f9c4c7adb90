#include "framework/services/HfcPreferences.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Copies as much of text as fits, always terminated.
void CopyTerminated(char* buffer, int bufferSize, const char* text)
{
    const std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

}  // namespace

CHfcPreferences::~CHfcPreferences()
{
    Close();
}

bool CHfcPreferences::Open(const char* subKeyPath)
{
    Close();
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKeyPath, 0, KEY_ALL_ACCESS, &m_key) == ERROR_SUCCESS)
        return true;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &m_key, &disposition) == ERROR_SUCCESS)
        return true;
    m_key = nullptr;
    return false;
}

void CHfcPreferences::Close()
{
    if (m_key == nullptr)
        return;
    RegCloseKey(m_key);
    m_key = nullptr;
}

std::uint32_t CHfcPreferences::ReadDword(const char* name, std::uint32_t defaultValue) const
{
    if (m_key == nullptr)
        return defaultValue;
    BYTE bytes[4];
    DWORD size = sizeof bytes;
    if (RegQueryValueExA(m_key, name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS || size != sizeof bytes)
        return defaultValue;
    std::uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void CHfcPreferences::ReadString(const char* name, char* buffer, int bufferSize, const char* defaultText) const
{
    if (m_key == nullptr || buffer == nullptr || bufferSize < 1)
        return;
    std::vector<char> stored(static_cast<std::size_t>(bufferSize));
    DWORD size = static_cast<DWORD>(bufferSize);
    if (RegQueryValueExA(m_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(stored.data()), &size) ==
        ERROR_SUCCESS) {
        // A value without a terminator of its own still needs room for one.
        const std::size_t length = strnlen(stored.data(), size);
        if (length < static_cast<std::size_t>(bufferSize)) {
            std::memcpy(buffer, stored.data(), length);
            buffer[length] = '\0';
            return;
        }
    }
    CopyTerminated(buffer, bufferSize, defaultText != nullptr ? defaultText : "");
}

void CHfcPreferences::WriteDword(const char* name, std::uint32_t value)
{
    if (m_key == nullptr)
        return;
    BYTE bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    RegSetValueExA(m_key, name, 0, REG_DWORD, bytes, sizeof bytes);
}

void CHfcPreferences::WriteString(const char* name, const char* text)
{
    if (m_key == nullptr)
        return;
    const char* stored = text != nullptr ? text : "";
    RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(stored),
                   static_cast<DWORD>(std::strlen(stored) + 1));
}
