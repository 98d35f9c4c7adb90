#pragma once
// Text fields of the dialogs' records, which may fill their arrays without
// a terminator.
#include <cstddef>
#include <cstring>
#include <string>

template <std::size_t Size>
std::string FieldText(const char (&field)[Size])
{
    return std::string(field, strnlen(field, Size));
}
