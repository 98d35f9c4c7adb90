#include "framework/services/FixedStrings.h"

#include <cstring>

void CopyTrimmedString(char* destination, const char* source, int size)
{
    if (size < 0)
        size = 0;
    std::memset(destination, 0, static_cast<std::size_t>(size));
    int length = 0;
    while (length < size && source[length] != '\0') {
        destination[length] = source[length];
        ++length;
    }
    while (length > 0 && destination[length - 1] == ' ')
        destination[--length] = '\0';
    destination[size] = '\0';
}

void CopyPaddedString(char* destination, const char* source, int size, char pad)
{
    int i = 0;
    for (; i < size && source[i] != '\0'; ++i)
        destination[i] = source[i];
    for (; i < size; ++i)
        destination[i] = pad;
}
