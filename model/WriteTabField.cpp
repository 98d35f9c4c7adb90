#include "model/WriteTabField.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

bool WriteTabField(CHfcOutputStream& stream, const char* format, ...)
{
    // The same working buffer as the other formatted writers: text, tab and
    // the room a terminator would take.
    char field[1024];
    constexpr int kMaxText = static_cast<int>(sizeof field) - 2;
    va_list args;
    va_start(args, format);
    const int formatted = std::vsnprintf(field, sizeof field - 1, format, args);
    va_end(args);
    if (formatted < 0)
        return false;
    const int length = std::min(formatted, kMaxText);
    std::replace(field, field + length, '\t', ' ');
    field[length] = '\t';
    return stream.Write(field, length + 1);
}
