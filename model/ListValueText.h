#pragma once
// The text of a value shown as a row of a keyword list, or its row number
// when the list or the row is missing.
#include <cstddef>
#include <cstdint>

void ListValueText(const char* key, std::int32_t value, std::int32_t minimum, char* buffer, std::size_t size);
