#include "model/ListValueText.h"

#include "framework/services/EfStringTable.h"
#include "framework/services/ServiceSlots.h"

#include <cstdio>

void ListValueText(const char* key, std::int32_t value, std::int32_t minimum, char* buffer, std::size_t size)
{
    // A list counts its rows from the minimum only for signed parameters.
    const std::int32_t index = minimum < 0 ? value - minimum : value;
    const CEfStringTable* table = GetStringTable();
    if (key != nullptr && table != nullptr && index >= 0 && index < table->GetNumStrings(key)) {
        std::snprintf(buffer, size, "%s", table->GetString(key, index));
        return;
    }
    std::snprintf(buffer, size, "%d", index);
}
