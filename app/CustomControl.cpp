#include "app/CustomControl.h"

#include <algorithm>
#include <cstring>

void CCustomControl::GetText(char* buffer, int size)
{
    CopyText(buffer, size, nullptr, 0);
}

void CCustomControl::CopyText(char* buffer, int size, const char* text, std::size_t available)
{
    if (buffer == nullptr || size < 1)
        return;
    const std::size_t length =
        text == nullptr ? 0 : strnlen(text, std::min(available, static_cast<std::size_t>(size - 1)));
    if (length > 0)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void CCustomControl::SetBackgroundOrigin(bool atOwnPosition, int x, int y)
{
    m_backgroundAtOwnPosition = atOwnPosition;
    m_backgroundX = x;
    m_backgroundY = y;
}

ParameterReference& CCustomControl::GetParameter(ParameterReference& out)
{
    out = m_parameter;
    return out;
}
